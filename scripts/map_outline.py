"""Writes the map window's outline file from GMT's text dumps of GSHHG.

Called by scripts/make-map-outline.sh, which says where the data come from.
Steps:
  1. read the line segments (GMT splits them at the edges of its bins);
  2. join segments that meet end to end, so that each line is one polyline;
  3. keep of the internal borders the stretches that lie inside Venezuela
     and away from its national border and coast (the data draw some of
     those twice);
  4. clip them to the frame (GMT hands out whole bins of its grid, which
     reach beyond it);
  5. simplify every polyline by Douglas-Peucker (Douglas and Peucker 1973),
     distances on the plane of the map (longitudes shortened by cos 7 deg);
  6. write them, layer by layer, longitudes and latitudes to 5 decimals.
"""

import argparse
import math

# The map's projection shortens degrees of longitude by the cosine of this
# latitude; tolerances are measured the same way.
MAP_LATITUDE = 7.0
EAST_SCALE = math.cos(math.radians(MAP_LATITUDE))
# An internal border closer than this to the national border or the coast
# (degrees) runs along it.
ALONG_DISTANCE = 0.01
DECIMALS = 5

HEADER = """\
# Contorno de Venezuela y de sus vecinos para la ventana Mapa de Brelosta:
# costas, fronteras internacionales y límites de los estados de Venezuela.
# Fuente: GSHHG 2.3.7 (P. Wessel y W. H. F. Smith), resolución alta, con las
# fronteras del CIA World Data Bank II que incluye; los límites internos que
# caen dentro de Venezuela (según el polígono del país de DCW-GMT 2.1.1).
# Licencia: GNU LGPL 3 o posterior (GSHHG y DCW-GMT, (c) The GMT Team).
# Simplificado por Douglas-Peucker con una tolerancia de {tolerance} grados.
# Derivado por scripts/make-map-outline.sh; no editar a mano.
#
# Formato: una línea "> CAPA" abre un trazo de la capa costa, frontera o
# estado; le siguen sus vértices, uno por línea: longitud y latitud en grados
# decimales (WGS84, este y norte positivos) separadas por un espacio.
"""


def read_segments(path):
    segments, current = [], None
    with open(path) as lines:
        for line in lines:
            if line.startswith(">"):
                current = []
                segments.append(current)
            elif line.strip() and current is not None:
                lon, lat = (float(v) for v in line.split()[:2])
                if lon > 180.0:
                    lon -= 360.0
                current.append((lon, lat))
    return [s for s in segments if len(s) >= 2]


def key(point):
    return (round(point[0], 7), round(point[1], 7))


def join(segments):
    """Chains segments whose ends meet into longer polylines."""
    ends = {}
    for index, segment in enumerate(segments):
        for end in (key(segment[0]), key(segment[-1])):
            ends.setdefault(end, []).append(index)
    used = [False] * len(segments)

    def take_next(point):
        for index in ends.get(key(point), []):
            if not used[index]:
                used[index] = True
                segment = segments[index]
                return segment if key(segment[0]) == key(point) else segment[::-1]
        return None

    lines = []
    for index, segment in enumerate(segments):
        if used[index]:
            continue
        used[index] = True
        line = list(segment)
        while (following := take_next(line[-1])) is not None:
            line.extend(following[1:])
        while (preceding := take_next(line[0])) is not None:
            line[:0] = preceding[::-1][:-1]
        lines.append(line)
    return lines


def plane(point):
    return (point[0] * EAST_SCALE, point[1])


def segment_distance(p, a, b):
    (px, py), (ax, ay), (bx, by) = plane(p), plane(a), plane(b)
    dx, dy = bx - ax, by - ay
    length2 = dx * dx + dy * dy
    t = 0.0 if length2 == 0.0 else max(0.0, min(1.0, ((px - ax) * dx + (py - ay) * dy) / length2))
    return math.hypot(px - ax - t * dx, py - ay - t * dy)


def douglas_peucker(points, tolerance):
    if len(points) < 3:
        return list(points)
    if key(points[0]) == key(points[-1]):
        # A ring: simplified as two halves split at its farthest vertex, so
        # that it does not collapse onto its first point.
        far = max(range(len(points)), key=lambda i: math.dist(plane(points[0]), plane(points[i])))
        if far == 0:
            return [points[0]]
        first = douglas_peucker(points[: far + 1], tolerance)
        return first + douglas_peucker(points[far:], tolerance)[1:]
    keep = [False] * len(points)
    keep[0] = keep[-1] = True
    stack = [(0, len(points) - 1)]
    while stack:
        first, last = stack.pop()
        worst, worst_index = 0.0, None
        for i in range(first + 1, last):
            d = segment_distance(points[i], points[first], points[last])
            if d > worst:
                worst, worst_index = d, i
        if worst_index is not None and worst > tolerance:
            keep[worst_index] = True
            stack.extend(((first, worst_index), (worst_index, last)))
    return [p for p, kept in zip(points, keep) if kept]


def inside(point, rings):
    """Even-odd rule over every ring of the country."""
    x, y = point
    crossings = 0
    for ring in rings:
        for (ax, ay), (bx, by) in zip(ring, ring[1:] + ring[:1]):
            if (ay > y) != (by > y) and x < ax + (y - ay) * (bx - ax) / (by - ay):
                crossings += 1
    return crossings % 2 == 1


class SegmentIndex:
    """The segments of some polylines in cells of a grid, for near tests."""

    CELL = 0.1

    def __init__(self, lines):
        self.cells = {}
        for line in lines:
            for a, b in zip(line, line[1:]):
                for cell in self.cells_of(a, b):
                    self.cells.setdefault(cell, []).append((a, b))

    def cells_of(self, a, b):
        west, east = sorted((a[0], b[0]))
        south, north = sorted((a[1], b[1]))
        for i in range(math.floor(west / self.CELL) - 1, math.floor(east / self.CELL) + 2):
            for j in range(math.floor(south / self.CELL) - 1, math.floor(north / self.CELL) + 2):
                yield (i, j)

    def near(self, point, distance):
        cell = (math.floor(point[0] / self.CELL), math.floor(point[1] / self.CELL))
        return any(segment_distance(point, a, b) < distance for a, b in self.cells.get(cell, []))


def venezuelan_stretches(lines, rings, along):
    """The stretches of internal borders inside the country and not along its
    national border or coast, judged segment by segment at its middle."""
    stretches = []
    for line in lines:
        current = []
        for a, b in zip(line, line[1:]):
            middle = ((a[0] + b[0]) / 2.0, (a[1] + b[1]) / 2.0)
            if inside(middle, rings) and not along.near(middle, ALONG_DISTANCE):
                if not current:
                    current.append(a)
                current.append(b)
            elif current:
                stretches.append(current)
                current = []
        if current:
            stretches.append(current)
    return stretches


def clip_segment(a, b, frame):
    """The part of a segment inside the frame (Liang and Barsky 1984)."""
    west, east, south, north = frame
    dx, dy = b[0] - a[0], b[1] - a[1]
    t0, t1 = 0.0, 1.0
    for p, q in ((-dx, a[0] - west), (dx, east - a[0]), (-dy, a[1] - south), (dy, north - a[1])):
        if p == 0.0:
            if q < 0.0:
                return None
            continue
        t = q / p
        if p < 0.0:
            t0 = max(t0, t)
        else:
            t1 = min(t1, t)
        if t0 > t1:
            return None
    return (a[0] + t0 * dx, a[1] + t0 * dy), (a[0] + t1 * dx, a[1] + t1 * dy)


def clipped(lines, frame):
    """The stretches of the polylines inside the frame."""
    out = []
    for line in lines:
        current = []
        for a, b in zip(line, line[1:]):
            piece = clip_segment(a, b, frame)
            if piece is None:
                if current:
                    out.append(current)
                current = []
                continue
            start, end = piece
            if current and current[-1] != start:
                out.append(current)
                current = []
            if not current:
                current.append(start)
            current.append(end)
            if end != b:
                out.append(current)
                current = []
        if current:
            out.append(current)
    return [line for line in out if len(line) >= 2]


def rounded(line):
    out = []
    for lon, lat in line:
        point = (round(lon, DECIMALS), round(lat, DECIMALS))
        if not out or out[-1] != point:
            out.append(point)
    return out


def extent(line):
    lons = [p[0] * EAST_SCALE for p in line]
    lats = [p[1] for p in line]
    return math.hypot(max(lons) - min(lons), max(lats) - min(lats))


def main():
    parser = argparse.ArgumentParser()
    for name in ("coast", "borders", "internal", "country", "out", "frame"):
        parser.add_argument("--" + name, required=True)
    parser.add_argument("--tolerance", type=float, required=True)
    args = parser.parse_args()

    west, east, south, north = (float(v) for v in args.frame.split("/"))
    frame = (west, east, south, north)
    coast = clipped(join(read_segments(args.coast)), frame)
    borders = clipped(join(read_segments(args.borders)), frame)
    rings = read_segments(args.country)
    along = SegmentIndex(coast + borders)
    states = clipped(join(venezuelan_stretches(join(read_segments(args.internal)), rings, along)), frame)

    counts = {}
    with open(args.out, "w", newline="\n") as out:
        out.write(HEADER.format(tolerance=args.tolerance))
        for layer, lines in (("costa", coast), ("frontera", borders), ("estado", states)):
            for line in lines:
                simplified = rounded(douglas_peucker(line, args.tolerance))
                # What the tolerance leaves of a feature smaller than twice
                # itself (an islet, a pond) is not drawn.
                if len(simplified) < 2 or extent(simplified) < 2.0 * args.tolerance:
                    continue
                out.write("> %s\n" % layer)
                for lon, lat in simplified:
                    out.write("%.*f %.*f\n" % (DECIMALS, lon, DECIMALS, lat))
                counts[layer] = counts.get(layer, 0) + len(simplified)
    print("vértices por capa:", counts)


if __name__ == "__main__":
    main()
