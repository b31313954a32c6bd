// Draws Lumaric's program icon from its geometry and writes it as an .ico.
// Every size is rasterised on its own, so small sizes stay crisp instead of
// being scaled down from the big one.
//
//   make_icon OUTPUT.ico [--preview PREVIEW.ppm]
//
// The preview puts every size side by side over a checkerboard, so the
// anti-aliased edges can be judged without a Windows shell.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include <zlib.h>

namespace {

constexpr double kPi = 3.14159265358979323846;

struct Color {
    double r, g, b, a;
};

Color Rgb(int hex, double alpha = 1.0)
{
    return {((hex >> 16) & 0xFF) / 255.0, ((hex >> 8) & 0xFF) / 255.0, (hex & 0xFF) / 255.0, alpha};
}

Color Mix(const Color& x, const Color& y, double t)
{
    return {x.r + (y.r - x.r) * t, x.g + (y.g - x.g) * t, x.b + (y.b - x.b) * t, x.a + (y.a - x.a) * t};
}

double Clamp01(double v)
{
    return std::min(1.0, std::max(0.0, v));
}

double Smooth(double edge0, double edge1, double v)
{
    const double t = Clamp01((v - edge0) / (edge1 - edge0));
    return t * t * (3.0 - 2.0 * t);
}

// Straight-alpha "over", for the gloss laid on the glass.
Color Over(const Color& top, const Color& bottom)
{
    const double a = top.a + bottom.a * (1.0 - top.a);
    if (a <= 0.0)
        return {0, 0, 0, 0};
    auto channel = [&](double t, double b) { return (t * top.a + b * bottom.a * (1.0 - top.a)) / a; };
    return {channel(top.r, bottom.r), channel(top.g, bottom.g), channel(top.b, bottom.b), a};
}

// Geometry in units of the 48 px design (origin at the centre, y down).
struct Shape {
    double scale;         // device pixels per design unit
    double outer;         // ring outer radius
    double inner;         // ring inner radius = disc radius
    double outline;       // dark rim on the ring's outer edge
    double innerOutline;  // and on its inner edge
    double segMid;        // radius of a lit segment's centre line
    double segHalfWidth;  // half its radial thickness
    double segHalfSpan;   // half the angle its straight part covers, radians
    double segRim;        // dark edge of a segment
    double glow;          // reach of the orange light on the silver
    double glowStrength;
};

Shape ShapeFor(int size)
{
    Shape s{};
    s.scale = size / 48.0;
    const double px = 1.0 / s.scale;
    // Small sizes give the ring a bigger share and line the top segment up
    // with the pixel rows; a glow there would only smear the silver gaps.
    if (size <= 16) {
        s.outer = 24.0;
        s.inner = 5.0 * px;
        s.segMid = 6.1 * px;
        s.segHalfWidth = 1.05 * px;
        s.segHalfSpan = 24.0 * kPi / 180.0;
        s.glowStrength = 0.0;
    } else if (size <= 24) {
        s.outer = 24.0;
        s.inner = 7.5 * px;
        s.segMid = 9.75 * px;
        s.segHalfWidth = 1.15 * px;
        s.segHalfSpan = 28.0 * kPi / 180.0;
        s.glowStrength = 0.0;
    } else {
        s.outer = 23.4;
        s.inner = 16.2;
        s.segMid = 0.5 * (s.outer + s.inner);
        s.segHalfWidth = 0.3 * (s.outer - s.inner);
        s.segHalfSpan = 30.0 * kPi / 180.0;
        s.glowStrength = 0.3;
    }
    s.outline = std::max(0.55, 0.55 * px);
    // At 16 px the disc's own dark edge already separates it from the ring.
    s.innerOutline = size <= 16 ? 0.0 : s.outline;
    s.segRim = size <= 16 ? 0.0 : size <= 24 ? 0.3 * px : std::max(0.45, 0.5 * px);
    s.glow = 1.1;
    return s;
}

// Lit segments are centred on the top and then every 120 degrees.
double SegmentDistance(const Shape& s, double x, double y)
{
    const double mid = s.segMid;
    const double r = std::hypot(x, y);
    const double angle = std::atan2(y, x);
    double best = 1e9;
    for (int i = 0; i < 3; ++i) {
        const double centre = -kPi / 2.0 + i * 2.0 * kPi / 3.0;
        double d = std::remainder(angle - centre, 2.0 * kPi);
        double dist;
        if (std::fabs(d) <= s.segHalfSpan) {
            dist = std::fabs(r - mid);
        } else {
            // Round caps: distance to the end point of the centre arc.
            const double end = centre + (d > 0 ? s.segHalfSpan : -s.segHalfSpan);
            dist = std::hypot(x - mid * std::cos(end), y - mid * std::sin(end));
        }
        best = std::min(best, dist - s.segHalfWidth);
    }
    return best;  // negative inside a segment
}

Color Silver(const Shape& s, double x, double y, double r)
{
    // The ring is shaded as a low, rounded band lit from the upper left.
    const double mid = 0.5 * (s.outer + s.inner);
    const double half = 0.5 * (s.outer - s.inner);
    const double t = Clamp01(std::fabs(r - mid) / half) * (r < mid ? -1.0 : 1.0) * 0.85;
    const double nz = std::sqrt(1.0 - t * t);
    const double nx = t * x / r, ny = t * y / r;
    const double lx = -0.45, ly = -0.65, lz = 0.62;
    const double diffuse = std::max(0.0, nx * lx + ny * ly + nz * lz);
    const double hx = lx, hy = ly, hz = lz + 1.0;
    const double hn = std::sqrt(hx * hx + hy * hy + hz * hz);
    const double shine = std::pow(std::max(0.0, (nx * hx + ny * hy + nz * hz) / hn), 28.0);

    const double v = Clamp01((y / s.outer + 1.0) * 0.5);
    Color base = Mix(Rgb(0xF4F7FA), Rgb(0x8C949E), Smooth(0.0, 1.0, v));
    const double k = 0.45 + 0.6 * diffuse;
    return {Clamp01(base.r * k + shine * 0.55), Clamp01(base.g * k + shine * 0.55),
            Clamp01(base.b * k + shine * 0.6), 1.0};
}

Color Orange(const Shape& s, double y, double r, double d)
{
    // Hot core across the thickness, a little brighter towards the top.
    const double across = Clamp01(std::fabs(r - s.segMid) / s.segHalfWidth);
    const double v = Clamp01((y / s.outer + 1.0) * 0.5);
    Color c = Mix(Rgb(0xFFF2B8), Rgb(0xFF9A1A), Smooth(0.0, 0.75, across));
    c = Mix(c, Rgb(0xF07800), Smooth(0.6, 1.0, across));
    c = Mix(c, Mix(c, Rgb(0xF06000), 0.5), v);
    // A dark rim gives the segment a clean edge against the silver.
    if (d > -s.segRim)
        c = Mix(c, Rgb(0xA8410A), 0.8);
    return c;
}

Color Disc(const Shape& s, double x, double y, double r)
{
    const double R = s.inner;
    const double nx = x / R, ny = y / R;

    // Deep blue at the edge, lit from below through the glass.
    const double lowLight = std::hypot(nx * 0.9, ny - 0.55);
    Color c = Mix(Rgb(0x47B4FF), Rgb(0x0A3C9A), Smooth(0.0, 1.15, lowLight));
    c = Mix(c, Rgb(0x06256A), 0.55 * Smooth(0.55, 1.0, r / R));

    // The ring throws a thin shadow onto the glass, heavier at the top.
    const double shade = Smooth(R - 2.2, R, r) * (0.55 - 0.25 * ny);
    c = Mix(c, Rgb(0x021235), Clamp01(shade));

    // Gloss: a soft white ellipse over the upper half, fading downwards.
    const double gx = nx / 0.80, gy = (ny + 0.40) / 0.52;
    const double gr = std::hypot(gx, gy);
    const double edgeSoft = 0.9 / (R * s.scale);  // about a device pixel
    const double inside = 1.0 - Smooth(1.0 - edgeSoft * 1.5, 1.0, gr);
    if (inside > 0.0) {
        const double fade = Clamp01((gy + 1.0) * 0.5);
        const double alpha = inside * (0.92 - 0.78 * std::pow(fade, 0.8));
        c = Over(Rgb(0xFFFFFF, alpha), c);
    }
    return c;
}

// Colour of the icon at one sample point, in design units.
Color Sample(const Shape& s, double x, double y)
{
    const double r = std::hypot(x, y);
    if (r >= s.outer)
        return {0, 0, 0, 0};
    if (r < s.inner)
        return Disc(s, x, y, r);

    const double d = SegmentDistance(s, x, y);
    if (d < 0.0)
        return Orange(s, y, r, d);

    Color c = Silver(s, x, y, r);
    const double glow = std::exp(-(d / s.glow) * (d / s.glow));
    c = Mix(c, Rgb(0xFFA040), s.glowStrength * glow);
    // Dark rim on both edges, drawn over the glow so the outline stays whole.
    if (r > s.outer - s.outline)
        c = Mix(c, Rgb(0x4A5260), 0.85);
    else if (r < s.inner + s.innerOutline)
        c = Mix(c, Rgb(0x27303C), 0.9);
    return c;
}

struct Image {
    int size;
    std::vector<std::uint8_t> bgra;  // top-down, straight alpha
};

Image Render(int size)
{
    const Shape s = ShapeFor(size);
    const int n = 16;  // samples per pixel along each axis
    Image img{size, std::vector<std::uint8_t>(std::size_t(size) * size * 4)};
    for (int py = 0; py < size; ++py) {
        for (int px = 0; px < size; ++px) {
            double r = 0, g = 0, b = 0, a = 0;
            for (int sy = 0; sy < n; ++sy) {
                for (int sx = 0; sx < n; ++sx) {
                    const double dx = px + (sx + 0.5) / n - size * 0.5;
                    const double dy = py + (sy + 0.5) / n - size * 0.5;
                    const Color c = Sample(s, dx / s.scale, dy / s.scale);
                    r += c.r * c.a;
                    g += c.g * c.a;
                    b += c.b * c.a;
                    a += c.a;
                }
            }
            std::uint8_t* p = &img.bgra[(std::size_t(py) * size + px) * 4];
            const double alpha = a / (n * n);
            const auto byte = [](double v) { return std::uint8_t(std::lround(Clamp01(v) * 255.0)); };
            p[3] = byte(alpha);
            if (p[3] != 0) {
                p[0] = byte(b / a);
                p[1] = byte(g / a);
                p[2] = byte(r / a);
            }
        }
    }
    return img;
}

void Put16(std::vector<std::uint8_t>& out, unsigned v)
{
    out.push_back(std::uint8_t(v));
    out.push_back(std::uint8_t(v >> 8));
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(std::uint8_t(v >> (8 * i)));
}

// One icon image: BITMAPINFOHEADER, bottom-up 32-bpp colour, 1-bpp AND mask.
std::vector<std::uint8_t> EncodeDib(const Image& img)
{
    const int w = img.size, h = img.size;
    const std::size_t maskStride = ((w + 31) / 32) * 4;
    const std::uint32_t colourBytes = std::uint32_t(w) * h * 4;
    const std::uint32_t maskBytes = std::uint32_t(maskStride * h);

    std::vector<std::uint8_t> out;
    Put32(out, 40);
    Put32(out, std::uint32_t(w));
    Put32(out, std::uint32_t(2 * h));  // colour plus mask
    Put16(out, 1);
    Put16(out, 32);
    Put32(out, 0);  // BI_RGB
    Put32(out, colourBytes + maskBytes);
    Put32(out, 0);
    Put32(out, 0);
    Put32(out, 0);
    Put32(out, 0);

    for (int y = h - 1; y >= 0; --y)
        out.insert(out.end(), &img.bgra[std::size_t(y) * w * 4], &img.bgra[std::size_t(y + 1) * w * 4]);
    for (int y = h - 1; y >= 0; --y) {
        std::vector<std::uint8_t> row(maskStride, 0);
        for (int x = 0; x < w; ++x)
            if (img.bgra[(std::size_t(y) * w + x) * 4 + 3] == 0)
                row[x / 8] |= std::uint8_t(0x80 >> (x % 8));
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}

void PutBig32(std::vector<std::uint8_t>& out, std::uint32_t v)
{
    for (int i = 3; i >= 0; --i)
        out.push_back(std::uint8_t(v >> (8 * i)));
}

void PutPngChunk(std::vector<std::uint8_t>& out, const char* type, const std::vector<std::uint8_t>& data)
{
    PutBig32(out, std::uint32_t(data.size()));
    const std::size_t start = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    PutBig32(out, std::uint32_t(crc32(0, &out[start], uInt(out.size() - start))));
}

// One icon image as PNG (8-bit RGBA, rows unfiltered), which Vista's icon
// loader takes at any size: a third of the DIB's bytes or less.
std::vector<std::uint8_t> EncodePng(const Image& img)
{
    const int w = img.size, h = img.size;
    std::vector<std::uint8_t> rows;
    for (int y = 0; y < h; ++y) {
        rows.push_back(0);
        for (int x = 0; x < w; ++x) {
            const std::uint8_t* p = &img.bgra[(std::size_t(y) * w + x) * 4];
            rows.insert(rows.end(), {p[2], p[1], p[0], p[3]});
        }
    }
    uLongf packedSize = compressBound(uLong(rows.size()));
    std::vector<std::uint8_t> packed(packedSize);
    compress2(packed.data(), &packedSize, rows.data(), uLong(rows.size()), Z_BEST_COMPRESSION);
    packed.resize(packedSize);

    std::vector<std::uint8_t> header;
    PutBig32(header, std::uint32_t(w));
    PutBig32(header, std::uint32_t(h));
    header.insert(header.end(), {8, 6, 0, 0, 0});  // 8 bits, RGBA, deflate, no filter choice, no interlace

    std::vector<std::uint8_t> out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    PutPngChunk(out, "IHDR", header);
    PutPngChunk(out, "IDAT", packed);
    PutPngChunk(out, "IEND", {});
    return out;
}

// The small sizes stay DIBs, which every loader reads; from 32 pixels up the
// images are PNG.
std::vector<std::uint8_t> EncodeIco(const std::vector<Image>& images)
{
    std::vector<std::vector<std::uint8_t>> dibs;
    for (const Image& img : images)
        dibs.push_back(img.size >= 32 ? EncodePng(img) : EncodeDib(img));

    std::vector<std::uint8_t> out;
    Put16(out, 0);
    Put16(out, 1);  // icon, not cursor
    Put16(out, unsigned(images.size()));
    std::uint32_t offset = 6 + 16 * std::uint32_t(images.size());
    for (std::size_t i = 0; i < images.size(); ++i) {
        const int size = images[i].size;
        out.push_back(std::uint8_t(size >= 256 ? 0 : size));
        out.push_back(std::uint8_t(size >= 256 ? 0 : size));
        out.push_back(0);  // no palette
        out.push_back(0);
        Put16(out, 1);
        Put16(out, 32);
        Put32(out, std::uint32_t(dibs[i].size()));
        Put32(out, offset);
        offset += std::uint32_t(dibs[i].size());
    }
    for (const auto& dib : dibs)
        out.insert(out.end(), dib.begin(), dib.end());
    return out;
}

// All sizes in a row, composited over a grey checkerboard.
std::vector<std::uint8_t> EncodePreview(const std::vector<Image>& images)
{
    const int gap = 8;
    int width = gap, height = 0;
    for (const Image& img : images) {
        width += img.size + gap;
        height = std::max(height, img.size);
    }
    height += 2 * gap;

    std::string header = "P6\n" + std::to_string(width) + " " + std::to_string(height) + "\n255\n";
    std::vector<std::uint8_t> out(header.begin(), header.end());
    std::vector<std::uint8_t> rgb(std::size_t(width) * height * 3);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const std::uint8_t v = ((x / 4 + y / 4) % 2) ? 0xCC : 0xFF;
            std::memset(&rgb[(std::size_t(y) * width + x) * 3], v, 3);
        }

    int left = gap;
    for (const Image& img : images) {
        const int top = gap + (height - 2 * gap - img.size) / 2;
        for (int y = 0; y < img.size; ++y)
            for (int x = 0; x < img.size; ++x) {
                const std::uint8_t* p = &img.bgra[(std::size_t(y) * img.size + x) * 4];
                std::uint8_t* q = &rgb[(std::size_t(top + y) * width + left + x) * 3];
                const double a = p[3] / 255.0;
                for (int c = 0; c < 3; ++c)
                    q[c] = std::uint8_t(std::lround(p[2 - c] * a + q[c] * (1.0 - a)));
            }
        left += img.size + gap;
    }
    out.insert(out.end(), rgb.begin(), rgb.end());
    return out;
}

bool WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes)
{
    std::ofstream f(path, std::ios::binary);
    f.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    return bool(f);
}

}  // namespace

int main(int argc, char** argv)
{
    std::string output, preview;
    bool usable = true;
    for (int i = 1; i < argc && usable; ++i) {
        const std::string arg = argv[i];
        if (arg == "--preview" && i + 1 < argc)
            preview = argv[++i];
        else if (output.empty() && arg.rfind("--", 0) != 0)
            output = arg;
        else
            usable = false;
    }
    if (!usable || output.empty()) {
        std::fprintf(stderr, "usage: make_icon OUTPUT.ico [--preview PREVIEW.ppm]\n");
        return 2;
    }

    // Up to twice the largest system icon at 96 dpi: 200 % scaling is served
    // crisply, and the executable stays small.
    std::vector<Image> images;
    for (int size : {16, 24, 32, 48, 64})
        images.push_back(Render(size));

    if (!WriteFile(output, EncodeIco(images))) {
        std::fprintf(stderr, "make_icon: cannot write %s\n", output.c_str());
        return 1;
    }
    if (!preview.empty() && !WriteFile(preview, EncodePreview(images))) {
        std::fprintf(stderr, "make_icon: cannot write %s\n", preview.c_str());
        return 1;
    }
    return 0;
}
