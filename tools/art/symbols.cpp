#include "symbols.h"

#include <algorithm>
#include <cmath>

#include "noise.h"

namespace {

// Shapes are signed distances in symbol units: the symbol is 1 high,
// centred on the origin, y pointing down; negative inside.
struct Vec2 {
    double x, y;
};

const int SYMBOL_SUBSAMPLES = 4;   // per pixel side
const int SYMBOL_BORDER = 2;       // clear pixels between a symbol and the edge
const int SYMBOL_GAP = 5;          // clear pixels between symbols
const int SYMBOL_CANDIDATES = 400; // positions tried per symbol
const int SYMBOL_CURVE_STEPS = 24;

double length_of(double x, double y) { return std::sqrt(x * x + y * y); }

double circle(Vec2 p, Vec2 centre, double radius)
{
    return length_of(p.x - centre.x, p.y - centre.y) - radius;
}

// The distance to segment a-b; *along gets the nearest point's place, 0 to 1.
double segment(Vec2 p, Vec2 a, Vec2 b, double* along)
{
    double dx = b.x - a.x, dy = b.y - a.y;
    double t = ((p.x - a.x) * dx + (p.y - a.y) * dy) / (dx * dx + dy * dy);
    t = std::min(1.0, std::max(0.0, t));
    *along = t;
    return length_of(p.x - a.x - t * dx, p.y - a.y - t * dy);
}

// A stroke with round ends, of radius radius_a at a narrowing to radius_b at b.
double stroke(Vec2 p, Vec2 a, Vec2 b, double radius_a, double radius_b)
{
    double along;
    double distance = segment(p, a, b, &along);
    return distance - (radius_a + (radius_b - radius_a) * along);
}

double rounded_box(Vec2 p, Vec2 centre, double half_width, double half_height, double radius)
{
    double qx = std::fabs(p.x - centre.x) - half_width + radius;
    double qy = std::fabs(p.y - centre.y) - half_height + radius;
    double outside = length_of(std::max(qx, 0.0), std::max(qy, 0.0));
    return outside + std::min(std::max(qx, qy), 0.0) - radius;
}

Vec2 cubic_point(const Vec2 control[4], double t)
{
    double u = 1.0 - t;
    double w0 = u * u * u, w1 = 3.0 * u * u * t, w2 = 3.0 * u * t * t, w3 = t * t * t;
    Vec2 point = {w0 * control[0].x + w1 * control[1].x + w2 * control[2].x + w3 * control[3].x,
                  w0 * control[0].y + w1 * control[1].y + w2 * control[2].y + w3 * control[3].y};
    return point;
}

// A stroke of even width along a cubic Bezier curve.
double curve_stroke(Vec2 p, const Vec2 control[4], double radius)
{
    double nearest = 1e9, along;
    Vec2 from = control[0];
    for (int step = 1; step <= SYMBOL_CURVE_STEPS; ++step) {
        Vec2 to = cubic_point(control, static_cast<double>(step) / SYMBOL_CURVE_STEPS);
        nearest = std::min(nearest, segment(p, from, to, &along));
        from = to;
    }
    return nearest - radius;
}

// A book-face "i": the dot, a stem with a flag at its top and a foot.
double letter_i(Vec2 p)
{
    double d = circle(p, {0.02, -0.35}, 0.13);
    d = std::min(d, rounded_box(p, {0.0, 0.14}, 0.095, 0.30, 0.025));
    d = std::min(d, rounded_box(p, {-0.1, -0.125}, 0.13, 0.035, 0.02));
    d = std::min(d, rounded_box(p, {0.0, 0.455}, 0.23, 0.045, 0.02));
    return d;
}

// An open hand held up, palm forward: palm, wrist, four fingers, thumb.
double hand(Vec2 p)
{
    double d = rounded_box(p, {0.03, 0.15}, 0.23, 0.2, 0.11);
    d = std::min(d, rounded_box(p, {0.03, 0.4}, 0.13, 0.1, 0.02));
    d = std::min(d, stroke(p, {-0.15, 0.03}, {-0.25, -0.3}, 0.052, 0.048));
    d = std::min(d, stroke(p, {-0.03, 0.0}, {-0.06, -0.43}, 0.054, 0.05));
    d = std::min(d, stroke(p, {0.09, 0.0}, {0.14, -0.38}, 0.052, 0.048));
    d = std::min(d, stroke(p, {0.2, 0.06}, {0.33, -0.2}, 0.048, 0.044));
    d = std::min(d, stroke(p, {-0.14, 0.25}, {-0.41, 0.0}, 0.065, 0.052));
    return d;
}

// A stem that narrows towards the dot below it.
double exclamation(Vec2 p)
{
    double d = stroke(p, {0.0, -0.36}, {0.0, 0.16}, 0.13, 0.065);
    return std::min(d, circle(p, {0.0, 0.385}, 0.105));
}

// A hook with a ball at its start, a short stem and the dot.
double question(Vec2 p)
{
    const Vec2 hook[4] = {{-0.23, -0.18}, {-0.23, -0.47}, {0.26, -0.47}, {0.26, -0.2}};
    const Vec2 neck[4] = {{0.26, -0.2}, {0.26, -0.03}, {0.0, -0.05}, {0.0, 0.14}};
    double d = circle(p, {-0.22, -0.19}, 0.1);
    d = std::min(d, curve_stroke(p, hook, 0.075));
    d = std::min(d, curve_stroke(p, neck, 0.075));
    return std::min(d, circle(p, {0.0, 0.39}, 0.095));
}

double symbol_distance(SymbolKind kind, Vec2 p)
{
    switch (kind) {
    case SYMBOL_LETTER_I: return letter_i(p);
    case SYMBOL_HAND: return hand(p);
    case SYMBOL_EXCLAMATION: return exclamation(p);
    case SYMBOL_QUESTION: return question(p);
    }
    return 1.0;
}

// Width over height of the box the shape stays in.
double symbol_aspect(SymbolKind kind)
{
    switch (kind) {
    case SYMBOL_LETTER_I: return 0.5;
    case SYMBOL_HAND: return 0.96;
    case SYMBOL_EXCLAMATION: return 0.3;
    case SYMBOL_QUESTION: return 0.68;
    }
    return 1.0;
}

// The largest turn either way, as the tangent of half the angle: letters
// stand upright, marks lean a little, hands up to about 16 degrees.
double symbol_max_tilt(SymbolKind kind)
{
    switch (kind) {
    case SYMBOL_LETTER_I: return 0.0;
    case SYMBOL_HAND: return 0.14;
    default: return 0.05;
    }
}

// One symbol's ink, trimmed to its bounding box.
struct SymbolMask {
    int width, height;
    std::vector<unsigned char> ink;
};

unsigned char mask_at(const SymbolMask& mask, int x, int y)
{
    if (x < 0 || y < 0 || x >= mask.width || y >= mask.height)
        return 0;
    return mask.ink[static_cast<size_t>(y) * mask.width + x];
}

SymbolMask trimmed(const SymbolMask& mask)
{
    int left = mask.width, right = -1, top = mask.height, bottom = -1;
    for (int y = 0; y < mask.height; ++y)
        for (int x = 0; x < mask.width; ++x)
            if (mask_at(mask, x, y)) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    SymbolMask result = {std::max(0, right - left + 1), std::max(0, bottom - top + 1), {}};
    for (int y = top; y <= bottom; ++y)
        for (int x = left; x <= right; ++x)
            result.ink.push_back(mask_at(mask, x, y));
    return result;
}

// Whether a point at the given distance in pixels from the shape's edge
// takes ink: inside, and for an outline within its width of the edge.
bool inked(double distance, int outline)
{
    return distance < 0.0 && (outline == 0 || distance > -outline);
}

// The symbol turned by the angle whose half-angle tangent is tilt: cosine
// and sine from the tangent, without the C library's trigonometry. A pixel
// is inked when most of its subsamples are.
SymbolMask draw_symbol(SymbolKind kind, const SymbolPlan& plan, double tilt)
{
    double cosine = (1.0 - tilt * tilt) / (1.0 + tilt * tilt);
    double sine = 2.0 * tilt / (1.0 + tilt * tilt);
    double size = plan.height;
    double aspect = symbol_aspect(kind);
    double half_width = (cosine * aspect + std::fabs(sine)) * size / 2 + 2;
    double half_height = (std::fabs(sine) * aspect + cosine) * size / 2 + 2;
    SymbolMask mask;
    mask.width = 2 * static_cast<int>(half_width + 1);
    mask.height = 2 * static_cast<int>(half_height + 1);
    mask.ink.assign(static_cast<size_t>(mask.width) * mask.height, 0);
    auto distance_at = [&](double dx, double dy) {
        Vec2 p = {(cosine * dx + sine * dy) / size, (cosine * dy - sine * dx) / size};
        return symbol_distance(kind, p) * size;
    };
    const int samples = SYMBOL_SUBSAMPLES * SYMBOL_SUBSAMPLES;
    for (int y = 0; y < mask.height; ++y)
        for (int x = 0; x < mask.width; ++x) {
            double cx = x + 0.5 - mask.width / 2, cy = y + 0.5 - mask.height / 2;
            double centre = distance_at(cx, cy);
            // The subsamples lie within 0.6 pixels of the centre: more than
            // a pixel from every edge of the ink, they all agree with it.
            bool clear_of_edges = std::fabs(centre) > 1.0 &&
                                  (plan.outline == 0 || std::fabs(centre + plan.outline) > 1.0);
            bool ink = inked(centre, plan.outline);
            if (!clear_of_edges) {
                int covered = 0;
                for (int sample = 0; sample < samples; ++sample) {
                    double dx =
                        x + (sample % SYMBOL_SUBSAMPLES + 0.5) / SYMBOL_SUBSAMPLES - mask.width / 2;
                    double dy = y + (sample / SYMBOL_SUBSAMPLES + 0.5) / SYMBOL_SUBSAMPLES -
                                mask.height / 2;
                    covered += inked(distance_at(dx, dy), plan.outline);
                }
                ink = 2 * covered >= samples;
            }
            mask.ink[static_cast<size_t>(y) * mask.width + x] = ink;
        }
    return trimmed(mask);
}

struct Placement {
    int x, y, width, height;
};

// Blank pixels between spans [a, a + a_size) and [b, b + b_size) on a ring
// of the given length.
int ring_gap(int a, int a_size, int b, int b_size, int length)
{
    int nearest = length;
    for (int shift = -length; shift <= length; shift += length) {
        int start = b + shift;
        int gap = std::max(start - (a + a_size), a - (start + b_size));
        nearest = std::min(nearest, std::max(gap, 0));
    }
    return nearest;
}

int squared_gap(const Placement& a, const Placement& b, int width, int height)
{
    int gap_x = ring_gap(a.x, a.width, b.x, b.width, width);
    int gap_y = ring_gap(a.y, a.height, b.y, b.height, height);
    return gap_x * gap_x + gap_y * gap_y;
}

// The candidate farthest from the symbols placed, as long as it keeps the gap.
bool place_symbol(ArtRandom* random, int width, int height, const std::vector<Placement>& placed,
                  Placement* placement)
{
    int room_x = width - 2 * SYMBOL_BORDER - placement->width + 1;
    int room_y = height - 2 * SYMBOL_BORDER - placement->height + 1;
    if (room_x <= 0 || room_y <= 0)
        return false;
    int best_score = -1;
    Placement best = *placement;
    for (int candidate = 0; candidate < SYMBOL_CANDIDATES; ++candidate) {
        Placement trial = *placement;
        trial.x = SYMBOL_BORDER + art_random_below(random, room_x);
        trial.y = SYMBOL_BORDER + art_random_below(random, room_y);
        int score = width * width + height * height;
        for (const Placement& other : placed)
            score = std::min(score, squared_gap(trial, other, width, height));
        if (score >= SYMBOL_GAP * SYMBOL_GAP && score > best_score) {
            best_score = score;
            best = trial;
        }
    }
    *placement = best;
    return best_score >= 0;
}

} // namespace

IndexedPicture scatter_symbols(int width, int height, SymbolKind kind,
                               const std::vector<SymbolPlan>& plans, uint64_t seed)
{
    ArtRandom random = art_random_seeded(seed);
    IndexedPicture picture = make_picture(width, height, SYMBOL_PAPER);
    std::vector<SymbolPlan> ordered = plans;
    std::stable_sort(ordered.begin(), ordered.end(),
                     [](const SymbolPlan& a, const SymbolPlan& b) { return a.height > b.height; });
    std::vector<Placement> placed;
    for (const SymbolPlan& plan : ordered) {
        double tilt = symbol_max_tilt(kind);
        SymbolMask mask = draw_symbol(kind, plan, art_random_between(&random, -tilt, tilt));
        Placement placement = {0, 0, mask.width, mask.height};
        if (mask.width == 0 || !place_symbol(&random, width, height, placed, &placement))
            continue;
        placed.push_back(placement);
        for (int y = 0; y < mask.height; ++y)
            for (int x = 0; x < mask.width; ++x)
                if (mask_at(mask, x, y))
                    picture.pixels[static_cast<size_t>(placement.y + y) * width + placement.x + x] =
                        SYMBOL_INK;
    }
    return picture;
}
