// Building the zone map from the board layout.
#include "playfield/zone_map.h"

#include <array>
#include <span>

namespace plonk::board {
namespace {

// The wall of the left half, as seen by the ball's centre. The right half is its
// mirror image.
bool Left_Wall(int x, int y) {
    if (y <= Top_Wall_Bottom) return true;
    if (y < Upper_Slope_Top) return x <= Upper_Wall_Right;
    if (y <= Upper_Slope_Bottom) return x <= Upper_Wall_Right + (y - Upper_Slope_Top + 1);
    if (y < Bottom_Slope_Top) return x <= Lower_Wall_Right;
    return Bottom_Slope_Run * (y - Bottom_Slope_Top) >= Bottom_Slope_Rise * (x - Lower_Wall_Right);
}

bool Is_Wall(int x, int y) {
    if (x <= Mirror_X) return Left_Wall(x, y);
    const int m = Mirror(x);
    return m < 0 || Left_Wall(m, y);
}

// How deep the skin of a wall is: a wall pixel further than this from every pixel of
// another kind lies under the wall's surface.
constexpr int Wall_Skin = 3;

// Whether a wall pixel has a pixel of some other kind within `reach` of it (the
// field's edge counts as wall).
bool Near_Non_Wall(const Zone_Grid& g, int x, int y, int reach) {
    for (int dy = -reach; dy <= reach; ++dy)
        for (int dx = -reach; dx <= reach; ++dx)
            if (Zone_Grid::Inside(x + dx, y + dy) && g.At(x + dx, y + dy) != Zone_Wall) return true;
    return false;
}

// Whether the run-out's steering carries a ball from (x, y) into the drain without
// leaving the wall: each step it moves a pixel towards the drain point on every axis
// where it is not yet level with it. A diagonal step may pass either pixel beside it.
bool Hidden_Way_To_Drain(const Zone_Grid& g, int x, int y) {
    auto hidden = [&g](int a, int b) {
        return Zone_Grid::Inside(a, b) && (g.At(a, b) == Zone_Wall || g.At(a, b) == Zone_Drain);
    };
    while (!In_Drain_Box(x, y)) {
        const int sx = x < Drain_Point.X ? 1 : x > Drain_Point.X ? -1 : 0;
        const int sy = y < Drain_Point.Y ? 1 : y > Drain_Point.Y ? -1 : 0;
        if (!hidden(x + sx, y) || !hidden(x, y + sy) || !hidden(x + sx, y + sy)) return false;
        x += sx;
        y += sy;
    }
    return true;
}

// Whether a pixel of a wall, a pin or a spring touches this one, sides or corners.
bool Near_Solid(const Zone_Grid& g, int x, int y) {
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
            if (!Zone_Grid::Inside(x + dx, y + dy)) continue;
            const uint8_t c = g.At(x + dx, y + dy);
            if (c == Zone_Wall || c == Zone_Pin || c == Zone_Spring) return true;
        }
    return false;
}

// One round obstacle: its box corner and its ring.
struct Obstacle {
    Point Corner;
    std::span<const Ring_Element> Ring;
    int Box;
    Part Kind;
};

std::vector<Obstacle> Obstacles() {
    std::vector<Obstacle> all;
    for (const auto& row : Pin_Rows)
        for (int k = 0; k < row.Count; ++k)
            all.push_back({{row.X[k] - Pin_Radius, row.Y - Pin_Radius}, Pin_Ring, Pin_Box, Part::Pin});
    constexpr int half = Spring_Box / 2;
    for (const auto& c : Left_Springs)
        all.push_back({{c.X - half, c.Y - half}, Left_Spring_Ring, Spring_Box, Part::Spring});
    for (const auto& c : Right_Springs)
        all.push_back({{c.X - half, c.Y - half}, Right_Spring_Ring, Spring_Box, Part::Spring});
    return all;
}

// The pixels of an obstacle's box enclosed by its ring (the ring itself excluded),
// as a box-sized mask filled from the centre.
std::vector<bool> Enclosed(const Obstacle& o) {
    const int n = o.Box;
    std::vector<bool> ring(n * n, false), in(n * n, false);
    for (const auto& e : o.Ring) ring[e.I + n * e.J] = true;
    std::vector<int> todo{n / 2 + n * (n / 2)};
    in[todo.back()] = true;
    while (!todo.empty()) {
        const int p = todo.back();
        todo.pop_back();
        const int i = p % n, j = p / n;
        const std::array<std::array<int, 2>, 4> steps{{{1, 0}, {-1, 0}, {0, 1}, {0, -1}}};
        for (const auto& s : steps) {
            const int a = i + s[0], b = j + s[1];
            if (a < 0 || b < 0 || a >= n || b >= n) continue;
            const int q = a + n * b;
            if (ring[q] || in[q]) continue;
            in[q] = true;
            todo.push_back(q);
        }
    }
    return in;
}

// Pockets where a spring meets a wall or a pin from above: a ball would come to rest
// in them for ever, so they are filled with wall that slopes the ball out. Each is a
// run of columns with the top y of the fill in the first column, falling one pixel a
// column, on the left half.
struct Pocket {
    int Left, Right, Top;
};
constexpr std::array<Pocket, 2> Pockets = {{
    {9, 16, 80},    // between the upper left wall and the second spring
    {43, 44, 104},  // between the second spring and the pin beside it
}};

}  // namespace

Zone_Grid Build_Zone_Map(const std::array<Hole_Zone, Hole_Count>& zones) {
    Zone_Grid g;
    // 1. Walls, slopes and the drain.
    for (int y = 0; y < Field_Height; ++y)
        for (int x = 0; x < Field_Width; ++x) {
            if (In_Drain_Box(x, y))
                g.Set(x, y, Zone_Drain);
            else if (Is_Wall(x, y))
                g.Set(x, y, Zone_Wall);
        }
    // 2. A seam of open ground runs down each lower side wall under its skin. A ball
    //    that a bottom slope lets on into the side wall above it (one climbing into
    //    the corner where they meet) rolls over the seam, and the side wall turns it
    //    back into the field.
    for (int y = Upper_Slope_Bottom + 1; y < Bottom_Slope_Top; ++y) {
        g.Set(Lower_Wall_Right - Wall_Skin - 1, y, Zone_Open);
        g.Set(Mirror(Lower_Wall_Right - Wall_Skin - 1), y, Zone_Open);
    }
    // 3. The ground under the walls around the run-out belongs to it. A ball that a
    //    bottom slope sends on into its skin (a slow ball can keep no motion away from
    //    the surface, and the wall does not turn it twice) meets that ground below
    //    the skin, is steered to the drain under the wall and is returned, instead of
    //    crossing the wall and leaving the field.
    {
        std::vector<Point> ground;
        for (int y = 0; y < Field_Height; ++y)
            for (int x = 0; x < Field_Width; ++x)
                if (g.At(x, y) == Zone_Wall && !Near_Non_Wall(g, x, y, Wall_Skin) &&
                    Hidden_Way_To_Drain(g, x, y))
                    ground.push_back({x, y});
        for (const Point& p : ground) g.Set(p.X, p.Y, Zone_Drain);
    }
    // 4. The holes' capture areas.
    for (int n = 0; n < Hole_Count; ++n) {
        const int cx = Hole_Corner[n].X + Hole_Size / 2, cy = Hole_Corner[n].Y + Hole_Size / 2;
        const Hole_Zone& z = zones[n];
        for (int y = cy - z.Up; y <= cy + z.Down; ++y)
            for (int x = cx - z.Left; x <= cx + z.Right; ++x)
                if (Zone_Grid::Inside(x, y) && g.At(x, y) == Zone_Open) g.Set(x, y, Zone_Hole);
    }
    // 5. The rollover stars.
    for (const auto& [star, code] :
         {std::pair{Yellow_Star, Zone_Yellow_Star}, std::pair{Red_Star, Zone_Red_Star}})
        for (int dy = -Star_Radius; dy <= Star_Radius; ++dy)
            for (int dx = -Star_Radius; dx <= Star_Radius; ++dx)
                if (dx * dx + dy * dy <= Star_Radius * Star_Radius) g.Set(star.X + dx, star.Y + dy, code);
    // 6. The rings of pins and springs, wherever the wall does not already stand.
    std::vector<bool> enclosed(Field_Width * Field_Height, false);
    for (const auto& o : Obstacles()) {
        const auto in = Enclosed(o);
        for (int j = 0; j < o.Box; ++j)
            for (int i = 0; i < o.Box; ++i) {
                const int x = o.Corner.X + i, y = o.Corner.Y + j;
                if (Zone_Grid::Inside(x, y) && in[i + o.Box * j]) enclosed[x + Field_Width * y] = true;
            }
        const uint8_t code = o.Kind == Part::Pin ? Zone_Pin : Zone_Spring;
        for (const auto& e : o.Ring) {
            const int x = o.Corner.X + e.I, y = o.Corner.Y + e.J;
            if (Zone_Grid::Inside(x, y) && g.At(x, y) != Zone_Wall) g.Set(x, y, code);
        }
    }
    // 7. The pockets, on both halves. A capture area that reaches into a pocket
    //    gives way to the fill, as open ground does.
    auto ground = [&g](int x, int y) { return g.At(x, y) == Zone_Open || g.At(x, y) == Zone_Hole; };
    for (const auto& p : Pockets)
        for (int x = p.Left; x <= p.Right; ++x)
            for (int y = p.Top + (x - p.Left); y < Field_Height; ++y) {
                if (!ground(x, y) || enclosed[x + Field_Width * y]) break;
                g.Set(x, y, Zone_Wall);
                if (ground(Mirror(x), y)) g.Set(Mirror(x), y, Zone_Wall);
            }
    // 8. A capture area keeps an open pixel between itself and every wall, pin and
    //    spring, and none of it lies inside a ring. A taken hole pushes the ball
    //    sideways without a rebound of its own, so a ball that came from a wall, pin
    //    or spring and is pushed straight back into it must first roll over open
    //    ground; there the rebound is armed again.
    for (int y = 0; y < Field_Height; ++y)
        for (int x = 0; x < Field_Width; ++x)
            if (g.At(x, y) == Zone_Hole && (Near_Solid(g, x, y) || enclosed[x + Field_Width * y]))
                g.Set(x, y, Zone_Open);
    return g;
}

const Zone_Grid& Zone_Map() {
    static const Zone_Grid map = Build_Zone_Map(Hole_Zones);
    return map;
}

std::vector<bool> Reachable() {
    const Zone_Grid& g = Zone_Map();
    std::vector<bool> seen(Field_Width * Field_Height, false);
    auto passable = [&](int x, int y) {
        const uint8_t c = g.At(x, y);
        return c != Zone_Wall && c != Zone_Pin && c != Zone_Spring;
    };
    std::vector<Point> todo{Ball_Start};
    seen[Ball_Start.X + Field_Width * Ball_Start.Y] = true;
    while (!todo.empty()) {
        const Point p = todo.back();
        todo.pop_back();
        if (!passable(p.X, p.Y)) continue;  // a contact pixel: the ball goes no further
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx) {
                const int x = p.X + dx, y = p.Y + dy;
                if (!Zone_Grid::Inside(x, y) || seen[x + Field_Width * y]) continue;
                seen[x + Field_Width * y] = true;
                todo.push_back({x, y});
            }
    }
    return seen;
}

std::vector<Part> Solid_Parts() {
    const Zone_Grid& g = Zone_Map();
    const std::vector<bool> reach = Reachable();
    // 1. Every pixel a ball's picture can cover is field.
    std::vector<bool> covered(Field_Width * Field_Height, false);
    const int r = Ball_Radius;
    for (int y = 0; y < Field_Height; ++y)
        for (int x = 0; x < Field_Width; ++x) {
            if (!reach[x + Field_Width * y]) continue;
            for (int dy = -r; dy <= r; ++dy)
                for (int dx = -r; dx <= r; ++dx)
                    if (dx * dx + dy * dy <= r * r + r && Zone_Grid::Inside(x + dx, y + dy))
                        covered[x + dx + Field_Width * (y + dy)] = true;
        }
    // 2. The rest belongs to the obstacle whose ring encloses it, else to the wall.
    std::vector<Part> parts(Field_Width * Field_Height, Part::Wall);
    for (int i = 0; i < Field_Width * Field_Height; ++i)
        if (covered[i]) parts[i] = Part::Field;
    for (const auto& o : Obstacles()) {
        const auto in = Enclosed(o);
        for (int j = 0; j < o.Box; ++j)
            for (int i = 0; i < o.Box; ++i) {
                const int x = o.Corner.X + i, y = o.Corner.Y + j;
                if (!Zone_Grid::Inside(x, y) || !in[i + o.Box * j]) continue;
                Part& p = parts[x + Field_Width * y];
                if (p == Part::Wall && g.At(x, y) != Zone_Wall) p = o.Kind;
            }
    }
    return parts;
}

}  // namespace plonk::board
