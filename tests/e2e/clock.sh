# The clock text that status panel 1 must show, computed from the regional
# values that `lumaric-driver locale-info` reports for a process started now.
# Sourced after lib.sh.

# Reads the values into CLOCK_DATE_PICTURE, CLOCK_TIME_PICTURE,
# CLOCK_DATE_SEPARATOR, CLOCK_TIME_SEPARATOR, CLOCK_AM and CLOCK_PM, with
# the defaults of a failed query.
clock_read_locale() {
  local facts
  facts=$(drive locale-info) || fail "the driver cannot read the regional values"
  printf '%s\n' "$facts" >"$E2E_TEST_DIR/locale-info-$((++CLOCK_READINGS)).txt"
  value() { sed -n "s/^$1=//p" <<<"$facts"; }
  # A separator of more than one character counts as a failed query.
  single() { [[ ${#1} == 1 ]] && echo "$1" || echo "$2"; }
  # Not a number, or a failed query, counts as 0.
  flag() { [[ $1 =~ ^[0-9]+$ ]] && ((10#$1 != 0)); }
  CLOCK_DATE_PICTURE=$(value sShortDate)
  CLOCK_DATE_PICTURE=${CLOCK_DATE_PICTURE:-m/d/yy}
  CLOCK_DATE_SEPARATOR=$(single "$(value sDate)" /)
  CLOCK_TIME_SEPARATOR=$(single "$(value sTime)" :)
  CLOCK_AM=$(value s1159)
  CLOCK_AM=${CLOCK_AM:-am}
  CLOCK_PM=$(value s2359)
  CLOCK_PM=${CLOCK_PM:-pm}
  local hour=h
  flag "$(value iTLZero)" && hour=hh
  CLOCK_TIME_PICTURE="$hour:mm:ss"
  if ! flag "$(value iTime)"; then
    if flag "$(value iTimeMarkPosn)"; then
      CLOCK_TIME_PICTURE="AMPM $CLOCK_TIME_PICTURE"
    else
      CLOCK_TIME_PICTURE="$CLOCK_TIME_PICTURE AMPM"
    fi
  fi
}
CLOCK_READINGS=0

# PICTURE rendered for the local time EPOCH (seconds), for the elements a
# short date and the built time picture use; fails on any other letter.
clock_render() {
  local picture=$1 year month day hour minute second
  read -r year month day hour minute second < <(date -d "@$2" '+%Y %-m %-d %-H %-M %-S')
  local twelve=no
  [[ ${picture^^} == *AMPM* ]] && twelve=yes
  local out='' i=0 char letter run width last='' value
  while ((i < ${#picture})); do
    char=${picture:i:1}
    if [[ $char == "'" || $char == '"' ]]; then
      local rest=${picture:i+1}
      local quoted=${rest%%"$char"*}
      out+=$quoted
      i=$((i + ${#quoted} + 2))
      continue
    fi
    if [[ ${picture:i:4} =~ ^[Aa][Mm][Pp][Mm]$ ]]; then
      ((hour < 12)) && out+=$CLOCK_AM || out+=$CLOCK_PM
      i=$((i + 4))
      last=ampm
      continue
    fi
    case $char in
      /) out+=$CLOCK_DATE_SEPARATOR ;;
      :) out+=$CLOCK_TIME_SEPARATOR ;;
      [A-Za-z])
        letter=${char,,}
        run=1
        while [[ ${picture:i+run:1} == [${letter}${letter^^}] ]]; do run=$((run + 1)); done
        width=$run
        case $letter in
          d) value=$day ;;
          m) [[ $last == h ]] && value=$minute || value=$month ;;
          y) ((run <= 2)) && { value=$((year % 100)); width=2; } || { value=$year; width=4; } ;;
          h)
            value=$hour
            [[ $twelve == yes ]] && value=$(((hour + 11) % 12 + 1))
            ;;
          s) value=$second ;;
        esac
        local supported=yes
        [[ $letter == [dmyhs] ]] || supported=no
        ((run <= 2)) || [[ $letter == y && $run -le 4 ]] || supported=no
        if [[ $supported == no ]]; then
          echo "the test cannot render '${picture:i:run}' of '$picture'" >&2
          return 1
        fi
        ((width < 2)) || value=$(printf "%0${width}d" "$value")
        out+=$value
        i=$((i + run))
        last=$letter
        continue
        ;;
      *) out+=$char ;;
    esac
    i=$((i + 1))
  done
  printf '%s' "$out"
}

# The clock text for the local time EPOCH.
clock_text_at() {
  local date time
  date=$(clock_render "$CLOCK_DATE_PICTURE" "$1") && time=$(clock_render "$CLOCK_TIME_PICTURE" "$1") || return 1
  printf '%s %s' "$date" "$time"
}

# Whether TEXT is the clock text of a second from FROM to TO (epoch seconds).
clock_text_between() {
  local text=$1 from=$2 to=$3 at
  for ((at = from; at <= to; at++)); do
    [[ $(clock_text_at "$at") == "$text" ]] && return 0
  done
  return 1
}
