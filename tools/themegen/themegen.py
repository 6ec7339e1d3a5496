#!/usr/bin/env python3
"""Writes the artwork of the two built-in gadget themes.

Both themes share one table of icons (file name -> pictogram) and every
element id; they differ only in their style (palette, plate shape, line
weight).  Run from anywhere:

    python3 tools/themegen/themegen.py            # writes into Gadgets/themes/
    python3 tools/themegen/themegen.py --out DIR  # writes DIR/CorvaneTheme, DIR/TalveraTheme

Each icon SVG holds "bounding_box" (the 64 x 64 reference frame), the state
drawings "default", "uninitialized", "inactive", "active", "disabled" and the
hover glow "effect".  Every state group starts with an invisible copy of the
frame, so all states share the same bounds.  The overlays hold
"bounding_box" and "default" (a badge in one corner).

Pictograms are drawn in a 24-unit grid that is placed in the middle of the
64-unit frame.  Only SVG Tiny 1.2 features are used (no filters, masks,
clip paths, style sheets or text).

The controls' own faces (back plates, scroller, window frame, slider, labels,
drop-downs, command rings, the carousel with its info face, the favourite)
are built from the same styles; see "Control faces" below for their element
conventions.
"""

import argparse
import math
import os
import struct
import zlib

FRAME = 64
GRID_TRANSFORM = "translate(12.8 12.8) scale(1.6)"
STATES = ("default", "uninitialized", "inactive", "active", "disabled")
ACCENTS = ("warm", "hot", "cold", "water", "gas", "ok", "alert", "gold")

# Files drawn whole by their callers (the skin browser's arrow buttons).  In
# them every drawing but "default" sits in <defs>: it can still be rendered by
# id, but the whole document then shows only the normal look.
WHOLE_DOCUMENT_ICONS = ("LeftArrow", "RightArrow")


# --------------------------------------------------------------------------
# Small SVG helpers


def num(value):
    """Short decimal text of a number."""
    text = f"{value:.2f}".rstrip("0").rstrip(".")
    return "0" if text in ("-0", "") else text


def element(tag, children=None, **attrs):
    """One SVG element; attribute names use '_' for '-'."""
    parts = [tag]
    for key, value in attrs.items():
        if value is None:
            continue
        if isinstance(value, float):
            value = num(value)
        parts.append(f'{key.rstrip("_").replace("_", "-")}="{value}"')
    head = " ".join(parts)
    if not children:
        return f"<{head}/>"
    return f"<{head}>" + "".join(children) + f"</{tag}>"


def polar(cx, cy, r, degrees):
    a = math.radians(degrees)
    return cx + r * math.cos(a), cy + r * math.sin(a)


def arc_path(cx, cy, r, start, end):
    """Arc from angle start to end, clockwise on screen when end > start."""
    x0, y0 = polar(cx, cy, r, start)
    x1, y1 = polar(cx, cy, r, end)
    large = 1 if abs(end - start) > 180 else 0
    sweep = 1 if end > start else 0
    return f"M{num(x0)} {num(y0)} A{num(r)} {num(r)} 0 {large} {sweep} {num(x1)} {num(y1)}"


def segments(lines):
    """One path of separate straight strokes ((x1, y1), (x2, y2))."""
    return " ".join(f"M{num(a[0])} {num(a[1])} L{num(b[0])} {num(b[1])}" for a, b in lines)


def arc_via(cx, cy, r, start, end, via):
    """Arc command from point start to point end on a circle, passing near point via."""
    def angle(pt):
        return math.atan2(pt[1] - cy, pt[0] - cx) % (2 * math.pi)
    a0, a1, av = angle(start), angle(end), angle(via)
    clockwise_span = (a1 - a0) % (2 * math.pi)
    via_clockwise = (av - a0) % (2 * math.pi) < clockwise_span
    span = clockwise_span if via_clockwise else 2 * math.pi - clockwise_span
    return (f"A{num(r)} {num(r)} 0 {1 if span > math.pi else 0} {1 if via_clockwise else 0}"
            f" {num(end[0])} {num(end[1])}")


def crescent(cx, cy, big, dx, dy, small):
    """Path of the disc (cx, cy, big) less the disc moved by (dx, dy) with radius small."""
    d = math.hypot(dx, dy)
    ux, uy = dx / d, dy / d
    a = (big * big - small * small + d * d) / (2 * d)
    h = math.sqrt(big * big - a * a)
    p1 = (cx + a * ux - h * uy, cy + a * uy + h * ux)
    p2 = (cx + a * ux + h * uy, cy + a * uy - h * ux)
    far = (cx - big * ux, cy - big * uy)
    inner = (cx + dx - small * ux, cy + dy - small * uy)
    return (f"M{num(p1[0])} {num(p1[1])} " + arc_via(cx, cy, big, p1, p2, far) + " "
            + arc_via(cx + dx, cy + dy, small, p2, p1, inner) + " Z")


def points(pairs):
    return " ".join(f"{num(x)},{num(y)}" for x, y in pairs)


def linear_gradient(gid, stops, x1=0, y1=0, x2=0, y2=1):
    return element("linearGradient", [stop(*s) for s in stops], id=gid,
                   x1=x1, y1=y1, x2=x2, y2=y2)


def radial_gradient(gid, stops, cx, cy, r):
    return element("radialGradient", [stop(*s) for s in stops], id=gid,
                   gradientUnits="userSpaceOnUse", cx=cx, cy=cy, r=r)


def stop(offset, color, opacity=1.0):
    return element("stop", offset=float(offset), stop_color=color,
                   stop_opacity=None if opacity == 1.0 else float(opacity))


def mix(color_a, color_b, t):
    """Colour between two #rrggbb colours."""
    a = [int(color_a[i:i + 2], 16) for i in (1, 3, 5)]
    b = [int(color_b[i:i + 2], 16) for i in (1, 3, 5)]
    return "#" + "".join(f"{round(x + (y - x) * t):02x}" for x, y in zip(a, b))


# --------------------------------------------------------------------------
# The pen: pictogram parts in the 24-unit grid, coloured for one state


class Pen:
    """Builds pictogram parts with the colours of one icon state.

    Colour roles: "ink" (lines and solid marks), "soft" (translucent body
    fills), "mark" (symbols on a badge), "paper" (the plate behind the
    pictogram) and the accents "warm", "hot", "cold", "water", "gas", "ok",
    "alert", "gold".
    """

    def __init__(self, roles, stroke_width, line_roles=None):
        self.roles = roles
        self.line_roles = line_roles or roles
        self.width = stroke_width

    def paint(self, role, line=False):
        value = (self.line_roles if line else self.roles)[role]
        return value if isinstance(value, tuple) else (value, 1.0)

    def _style(self, fill, stroke, width):
        attrs = {}
        if fill is not None:
            color, opacity = self.paint(fill)
            attrs["fill"] = color
            if opacity < 1.0:
                attrs["fill_opacity"] = float(opacity)
        if stroke is None:
            attrs["stroke"] = "none"
        elif stroke != "ink":
            attrs["stroke"] = self.paint(stroke, line=True)[0]
        if width is not None:
            attrs["stroke_width"] = float(width)
        return attrs

    def path(self, d, fill=None, stroke="ink", width=None):
        return element("path", d=d, **self._style(fill, stroke, width))

    def line(self, x1, y1, x2, y2, stroke="ink", width=None):
        return element("line", x1=float(x1), y1=float(y1), x2=float(x2), y2=float(y2),
                       **self._style(None, stroke, width))

    def polyline(self, pts, stroke="ink", width=None):
        return element("polyline", points=points(pts), **self._style(None, stroke, width))

    def polygon(self, pts, fill=None, stroke="ink", width=None):
        return element("polygon", points=points(pts), **self._style(fill, stroke, width))

    def circle(self, cx, cy, r, fill=None, stroke="ink", width=None):
        return element("circle", cx=float(cx), cy=float(cy), r=float(r),
                       **self._style(fill, stroke, width))

    def ellipse(self, cx, cy, rx, ry, fill=None, stroke="ink", width=None):
        return element("ellipse", cx=float(cx), cy=float(cy), rx=float(rx), ry=float(ry),
                       **self._style(fill, stroke, width))

    def rect(self, x, y, w, h, rx=0.0, fill=None, stroke="ink", width=None):
        return element("rect", x=float(x), y=float(y), width=float(w), height=float(h),
                       rx=float(rx) if rx else None, **self._style(fill, stroke, width))

    def dot(self, cx, cy, r, fill="ink"):
        return self.circle(cx, cy, r, fill=fill, stroke=None)

    @staticmethod
    def group(parts, transform=None):
        return element("g", parts, transform=transform)

    def place(self, parts, dx=0.0, dy=0.0, scale=1.0, cx=12.0, cy=12.0):
        """Parts scaled about (cx, cy) and moved by (dx, dy)."""
        tx = cx * (1 - scale) + dx
        ty = cy * (1 - scale) + dy
        return self.group(parts, f"translate({num(tx)} {num(ty)}) scale({num(scale)})")


# --------------------------------------------------------------------------
# Shared pictogram parts (24-unit grid)


def arrow_head(p, x, y, degrees, size=4.0, stroke="ink"):
    """Open arrow head with its tip at (x, y), pointing along degrees."""
    left = polar(x, y, size, degrees + 180 - 42)
    right = polar(x, y, size, degrees + 180 + 42)
    return p.polyline([left, (x, y), right], stroke=stroke)


def arrow(p, x1, y1, x2, y2, size=4.0, stroke="ink"):
    degrees = math.degrees(math.atan2(y2 - y1, x2 - x1))
    return [p.line(x1, y1, x2, y2, stroke=stroke), arrow_head(p, x2, y2, degrees, size, stroke)]


def curved_arrow(p, cx, cy, r, start, end, size=3.5):
    """Arc with a head at its end; clockwise when end > start."""
    tip = polar(cx, cy, r, end)
    tangent = end + (90 if end > start else -90)
    return [p.path(arc_path(cx, cy, r, start, end)), arrow_head(p, tip[0], tip[1], tangent, size)]


def badge(p, kind, cx=18.2, cy=18.2, r=5.6):
    """Small round badge in the lower right corner of the grid."""
    fill = {"check": "ok", "cross": "alert", "lock": "gold", "unlock": "gold"}[kind]
    parts = [p.circle(cx, cy, r + 0.9, fill="paper", stroke=None),
             p.circle(cx, cy, r, fill=fill, stroke=None)]
    mark = {"stroke": "mark", "width": 1.6}
    if kind == "check":
        parts.append(p.polyline([(cx - 2.7, cy + 0.1), (cx - 0.7, cy + 2.1), (cx + 2.8, cy - 2)], **mark))
    elif kind == "cross":
        parts.append(p.path(segments([((cx - 2.2, cy - 2.2), (cx + 2.2, cy + 2.2)),
                                      ((cx + 2.2, cy - 2.2), (cx - 2.2, cy + 2.2))]), **mark))
    else:
        parts.append(p.rect(cx - 2.7, cy - 0.8, 5.4, 3.9, rx=0.7, fill="mark", stroke=None))
        shackle = f"M{num(cx - 1.7)} {num(cy - 0.8)} V{num(cy - 2.2)} a1.7 1.7 0 0 1 3.4 0"
        shackle += f" V{num(cy - 0.8)}" if kind == "lock" else f" V{num(cy - 1.7)}"
        parts.append(p.path(shackle, stroke="mark", width=1.2))
    return parts


def letter(p, which, x, y, h):
    """Stroke letters: A, C, F and a degree ring; (x, y) is the top-left."""
    w = h * 0.7
    if which == "A":
        return [p.polyline([(x, y + h), (x + w / 2, y), (x + w, y + h)]),
                p.line(x + w * 0.2, y + h * 0.64, x + w * 0.8, y + h * 0.64)]
    if which == "C":
        r = h / 2
        return [p.path(arc_path(x + r, y + r, r, -50, -310))]
    if which == "F":
        return [p.polyline([(x + w * 0.85, y), (x, y), (x, y + h)]),
                p.line(x, y + h * 0.48, x + w * 0.7, y + h * 0.48)]
    if which == "degree":
        return [p.circle(x + h / 2, y + h / 2, h / 2)]
    raise ValueError(which)


def bulb_shape(p, fill="warm"):
    glass = ("M12 2.8 C8.2 2.8 5.4 5.8 5.4 9.4 c0 2.3 1.1 3.9 2.6 5.3 c0.8 0.7 1.2 1.5 1.2 2.4"
             " V17.6 h5.6 V17.1 c0 -0.9 0.4 -1.7 1.2 -2.4 c1.5 -1.4 2.6 -3 2.6 -5.3"
             " C18.6 5.8 15.8 2.8 12 2.8 Z")
    return [p.path(glass, fill=fill), p.line(9.4, 20, 14.6, 20), p.line(10.4, 22.2, 13.6, 22.2)]


def thermometer_shape(p):
    return [p.path("M9.8 5 a2.2 2.2 0 0 1 4.4 0 V13.8 a4.4 4.4 0 1 1 -4.4 0 Z", fill="soft"),
            p.rect(11.1, 8.5, 1.8, 9, stroke=None, fill="hot"),
            p.dot(12, 17.5, 2.3, fill="hot")]


def snowflake_shape(p, r=9.0, stroke="cold"):
    lines = [(polar(12, 12, r, d), polar(12, 12, r, d + 180)) for d in (90, 30, 150)]
    for degrees in range(90, 450, 60):
        base = polar(12, 12, r * 0.58, degrees)
        lines += [(base, polar(base[0], base[1], r * 0.33, degrees + side * 50)) for side in (-1, 1)]
    return [p.path(segments(lines), stroke=stroke)]


def flame_shape(p, fill="hot", core="warm"):
    outer = ("M12 2.5 C13 6.2 17.6 8.6 17.6 14.2 a5.6 5.6 0 0 1 -11.2 0"
             " C6.4 11.2 7.8 9.2 9.4 7.6 C9.4 10 10.4 11.6 12 12.2 C11 9.2 11 5.6 12 2.5 Z")
    inner = "M12 20.6 a2.8 2.8 0 0 1 -2.8 -2.8 c0 -1.9 1.5 -2.9 2.5 -4.4 c0.6 1.5 3.1 2.5 3.1 4.4 a2.8 2.8 0 0 1 -2.8 2.8 Z"
    parts = [p.path(outer, fill=fill)]
    if core:
        parts.append(p.path(inner, fill=core, stroke=None))
    return parts


def bolt_shape(p):
    return [p.path("M13.6 2.4 L5.2 13.6 H11.4 L10.4 21.6 L18.8 10.4 H12.6 Z", fill="warm")]


def drop_shape(p, fill="water"):
    return [p.path("M12 2.8 C12 2.8 5.6 10.2 5.6 14.6 a6.4 6.4 0 0 0 12.8 0 C18.4 10.2 12 2.8 12 2.8 Z",
                   fill=fill)]


def sun_shape(p, cx=12.0, cy=12.0, r=4.2, ray_in=6.6, ray_out=9.4, rays=8):
    angles = [i * 360 / rays - 90 for i in range(rays)]
    rays_path = segments([(polar(cx, cy, ray_in, a), polar(cx, cy, ray_out, a)) for a in angles])
    return [p.circle(cx, cy, r, fill="warm"), p.path(rays_path)]


def fan_shape(p):
    blade = "M12 12 C9.6 10.4 8.6 5.6 11.6 3.2 C15.2 3.8 15.4 9.2 12 12 Z"
    blades = [p.path(blade, fill="cold")]
    blades += [p.group([p.path(blade, fill="cold")], f"rotate({a} 12 12)") for a in (120, 240)]
    return blades + [p.dot(12, 12, 1.6)]


def shutter_shape(p, x=3.5, w=17.0):
    """Shutter with its roller box, lowered three quarters."""
    parts = [p.rect(x, 3, w, 3.6, rx=1, fill="soft"),
             p.line(x + 1, 6.6, x + 1, 21), p.line(x + w - 1, 6.6, x + w - 1, 21),
             p.line(x - 0.5, 21, x + w + 0.5, 21)]
    for y in (8.6, 11.6, 14.6):
        parts.append(p.rect(x + 2.6, y, w - 5.2, 1.6, rx=0.5, fill="ink", stroke=None))
    return parts


def drape(x, dw, edge):
    """Outline of one drape hanging from the rod at x, dw wide, tied back at half height."""
    e = x + edge                # outer edge, under the rod's end
    i = x + edge * dw           # inner edge at the top
    waist = x + edge * dw * 0.45
    foot = x + edge * dw * 0.85
    return (f"M{num(e)} 4.4 H{num(i)} C{num(i)} 9.4 {num(waist)} 11.4 {num(waist)} 13.2"
            f" C{num(waist)} 15.6 {num(foot)} 18.6 {num(foot)} 21 H{num(e)} Z")


def curtain_shape(p, x=2.5, w=19.0, gather=0.42, right=True):
    """Rod and drapes tied back to the sides; gather = a drape's share of the width."""
    dw = w * gather
    parts = [p.line(x, 3.2, x + w, 3.2), p.path(drape(x, dw, 1), fill="ink", stroke=None)]
    if right:
        parts.append(p.path(drape(x + w, dw, -1), fill="ink", stroke=None))
    return parts


def clapper_shape(p):
    parts = [p.rect(3.5, 10, 17, 10.5, rx=1.6, fill="soft"),
             p.group([p.rect(3.5, 5.6, 17, 4.4, rx=0.8, fill="soft"),
                      p.line(8, 5.6, 6.4, 10), p.line(12.5, 5.6, 10.9, 10), p.line(17, 5.6, 15.4, 10)],
                     "rotate(-16 3.5 10)")]
    return parts


def plug_shape(p):
    return [p.line(9.5, 2.8, 9.5, 7), p.line(14.5, 2.8, 14.5, 7),
            p.path("M6.4 7 H17.6 V11 a5.6 5.6 0 0 1 -11.2 0 Z", fill="soft"),
            p.line(12, 16.6, 12, 21.4)]


def speaker_shape(p, x=6.0, w=12.0):
    cx = x + w / 2
    return [p.rect(x, 2.5, w, 19, rx=2, fill="soft"),
            p.circle(cx, 7.2, w * 0.14),
            p.circle(cx, 15, w * 0.33),
            p.dot(cx, 15, w * 0.1)]


def house_shape(p):
    return [p.polyline([(2.5, 11.2), (12, 3), (21.5, 11.2)]),
            p.polyline([(5, 9.2), (5, 21), (19, 21), (19, 9.2)])]


def person_shape(p):
    return [p.circle(12, 7, 3.6, fill="soft"),
            p.path("M5 21 C5 15.6 8.2 12.8 12 12.8 S19 15.6 19 21 Z", fill="soft")]


def waves(p, cx, cy, radii, side):
    """Concentric arcs on the right (side 1) or left (side -1) of (cx, cy)."""
    centre = 0 if side > 0 else 180
    return [p.path(arc_path(cx, cy, r, centre - 40, centre + 40)) for r in radii]


# --------------------------------------------------------------------------
# Pictograms (one function per icon family)


def light(p, variant="single"):
    if variant == "single":
        return bulb_shape(p)
    if variant == "group":
        return [p.place(bulb_shape(p), dx=-4.6, dy=-2.2, scale=0.74),
                p.place(bulb_shape(p), dx=4.2, dy=1.6, scale=0.8)]
    # system: a lit bulb with rays
    rays = [(polar(12, 9.6, 8.2, d), polar(12, 9.6, 10.6, d)) for d in (180, 225, 270, 315, 0)]
    return [p.place(bulb_shape(p), dy=1.6, scale=0.76), p.path(segments(rays))]


def automation(p):
    return house_shape(p) + arrow(p, 9.2, 19, 9.2, 11.4, 3) + arrow(p, 14.8, 11.4, 14.8, 19, 3)


def thermometer(p, variant="single"):
    if variant == "single":
        ticks = [((15.8, y), (17.6, y)) for y in (6, 9, 12)]
        return thermometer_shape(p) + [p.path(segments(ticks))]
    # system: the thermometer in a house
    return house_shape(p) + [p.place(thermometer_shape(p), dy=3.2, scale=0.56)]


def air_conditioner(p):
    parts = [p.rect(2.5, 3.5, 19, 9, rx=2.2, fill="soft"),
             p.line(5.5, 9.6, 18.5, 9.6), p.dot(18, 6.4, 0.9)]
    for x in (7, 12, 17):
        parts.append(p.path(f"M{x} 15.2 q-1.6 1.6 0 3.2 t0 3.2", stroke="cold"))
    return parts


def light_sensor(p, variant="single"):
    if variant == "single":
        return sun_shape(p)
    # system: a small sun over lux readings
    parts = sun_shape(p, cx=8, cy=8, r=2.8, ray_in=4.6, ray_out=6.4)
    for i, h in enumerate((4.5, 7.5, 10.5)):
        parts.append(p.rect(12.6 + i * 3.4, 21 - h, 2.2, h, rx=0.6, fill="ink", stroke=None))
    return parts


def presence(p, variant="single"):
    if variant == "single":
        return [p.place(person_shape(p), dx=-3, scale=0.92)] + waves(p, 12, 12, (6.5, 9.8), 1)
    return [p.place(person_shape(p), scale=0.78)] + waves(p, 12, 12, (8.4, 11.2), 1) + \
        waves(p, 12, 12, (8.4, 11.2), -1)


def scenario(p, variant="single"):
    if variant == "single":
        return clapper_shape(p)
    # system: a play list
    return [p.line(3.5, 6, 16, 6), p.line(3.5, 11, 16, 11), p.line(3.5, 16, 10, 16),
            p.polygon([(14, 13.6), (14, 21), (20.6, 17.3)], fill="ink")]


def webserver(p, variant="single"):
    if variant == "single":
        return [p.line(7, 12.4, 5, 4.5), p.line(17, 12.4, 19, 4.5),
                p.rect(2.8, 12.4, 18.4, 7.4, rx=2, fill="soft"),
                p.dot(7.2, 16.1, 1.1, fill="ok"), p.dot(10.6, 16.1, 1.1, fill="ok"),
                p.line(14, 16.1, 17.6, 16.1)]
    # system: the globe
    return [p.circle(12, 12, 9.2, fill="soft"), p.ellipse(12, 12, 4, 9.2),
            p.line(2.8, 12, 21.2, 12),
            p.path("M4.4 7.2 Q12 9.6 19.6 7.2"), p.path("M4.4 16.8 Q12 14.4 19.6 16.8")]


def sound(p):
    return [p.ellipse(7, 18, 2.8, 2.2, fill="ink", stroke=None),
            p.ellipse(17.4, 16, 2.8, 2.2, fill="ink", stroke=None),
            p.line(9.6, 18, 9.6, 6), p.line(20, 16, 20, 4),
            p.polygon([(9.6, 5), (20, 3), (20, 6.4), (9.6, 8.4)], fill="ink")]


def amplifier(p, variant="single"):
    if variant == "single":
        return speaker_shape(p)
    return speaker_shape(p, x=2.5, w=8.8) + speaker_shape(p, x=12.7, w=8.8)


def shutter(p, variant="single"):
    if variant == "single":
        return shutter_shape(p)
    return shutter_shape(p, x=2.5, w=8.6) + shutter_shape(p, x=12.9, w=8.6)


def curtain(p, variant="single"):
    if variant == "single":
        return curtain_shape(p)
    # group: a second curtain behind the first one
    return [p.place(curtain_shape(p, right=False), dx=-3, dy=-2.6, scale=0.8),
            p.place(curtain_shape(p), dx=2.6, dy=2.2, scale=0.8)]


def thermo_mode(p, mode):
    if mode == "automatic":
        return curved_arrow(p, 12, 12, 9.2, -60, 240) + letter(p, "A", 8.9, 7.4, 9)
    if mode == "manual":
        hand = ("M7.6 21.4 C5.6 19.8 3.8 17.4 3.8 14.6 V11.2 a1.5 1.5 0 0 1 3 0 V13.6 V5.8"
                " a1.5 1.5 0 0 1 3 0 V12 V4.2 a1.5 1.5 0 0 1 3 0 V12 V5.6 a1.5 1.5 0 0 1 3 0"
                " V12.6 V8.4 a1.5 1.5 0 0 1 3 0 V15 C19.2 18.6 17.4 21.4 14.6 21.4 Z")
        return [p.path(hand, fill="soft")]
    if mode == "antifreeze":
        return [p.place(thermometer_shape(p), dx=-4.6, dy=1, scale=0.9),
                p.place(snowflake_shape(p), dx=5.6, dy=-4.6, scale=0.58)]
    if mode == "heating":
        return flame_shape(p)
    if mode == "cooling":
        return snowflake_shape(p)
    if mode == "dry":
        return [p.place(drop_shape(p, fill="soft"), dx=-3, dy=1.4, scale=0.9)] + \
            sun_shape(p, cx=18, cy=6, r=2.2, ray_in=3.6, ray_out=5, rays=6)
    if mode == "fan":
        return fan_shape(p)
    if mode in ("swing_on", "swing_off"):
        parts = [p.rect(3, 3, 18, 4.6, rx=1.6, fill="soft"), p.line(6, 5.3, 18, 5.3)]
        if mode == "swing_off":
            return parts + arrow(p, 12, 10, 12, 21, 3.4, stroke="cold")
        for degrees in (125, 90, 55):
            end = polar(12, 9.5, 9, degrees)
            parts.append(p.line(12, 10.4, end[0], end[1], stroke="cold", width=p.width * 0.8))
        tip_l, tip_r = polar(12, 9.5, 12.4, 140), polar(12, 9.5, 12.4, 40)
        parts.append(p.path(arc_path(12, 9.5, 12.4, 40, 140)))
        parts.append(arrow_head(p, tip_l[0], tip_l[1], 140 + 90, 3))
        parts.append(arrow_head(p, tip_r[0], tip_r[1], 40 - 90, 3))
        return parts
    raise ValueError(mode)


def fancoil(p, speed):
    parts = [p.place(fan_shape(p), dx=-3.8, scale=0.82)]
    if speed in (1, 2, 3):
        for i in range(3):
            h = 5 + i * 3.6
            fill = "ink" if i < speed else "soft"
            parts.append(p.rect(15.4 + i * 2.9, 20 - h, 2.1, h, rx=0.6, fill=fill, stroke=None))
    elif speed == "auto":
        parts += letter(p, "A", 15.4, 7, 10)
    else:  # silent: a crescent moon
        parts.append(p.path(crescent(18, 12.2, 5, 2.9, -1.3, 4.3), fill="ink", stroke=None))
    return parts


def temperature_unit(p, unit):
    return letter(p, "degree", 3, 3.4, 4.6) + letter(p, unit, 9.4, 4.4, 15)


def energy(p, kind):
    if kind == "electricity":
        return bolt_shape(p)
    if kind == "water":
        return drop_shape(p) + [p.path("M9 15.2 a3 3 0 0 0 3 3", stroke="mark", width=1.3)]
    if kind == "gas":
        return flame_shape(p, fill="gas", core="cold")
    if kind == "dhw":
        return [p.line(8.4, 3, 13.6, 3), p.line(11, 3, 11, 6.4),
                p.path("M2.6 6.4 H15 a4 4 0 0 1 4 4 V12.6 H15.4 V11 a0.6 0.6 0 0 0 -0.6 -0.6 H2.6 Z",
                       fill="soft"),
                p.path("M17.2 14.6 C17.2 14.6 14.6 17.6 14.6 19.2 a2.6 2.6 0 0 0 5.2 0"
                       " C19.8 17.6 17.2 14.6 17.2 14.6 Z", fill="hot")]
    if kind == "heating_cooling":
        return [p.place(flame_shape(p), dx=-4.6, dy=-4.2, scale=0.56), p.line(19.5, 4.5, 4.5, 19.5),
                p.place(snowflake_shape(p), dx=4.8, dy=4.8, scale=0.5)]
    if kind == "system":
        ticks = [(polar(12, 14.2, 6.4, d), polar(12, 14.2, 7.8, d)) for d in (180, 225, 270, 315, 360)]
        tip = polar(12, 14.2, 7.4, 305)
        return [p.path(arc_path(12, 14.2, 10, 150, 390)), p.path(segments(ticks), width=p.width * 0.7),
                p.line(12, 14.2, tip[0], tip[1], stroke="hot"), p.dot(12, 14.2, 1.9)]
    raise ValueError(kind)


def energy_view(p, kind):
    if kind == "timespan":
        return [p.rect(3.4, 4.6, 17.2, 16.4, rx=2, fill="soft"), p.line(3.4, 9, 20.6, 9),
                p.line(8, 2.6, 8, 6.4), p.line(16, 2.6, 16, 6.4)] + \
            curved_arrow(p, 12, 15, 3.4, -150, 150, 2.4)
    if kind == "table":
        return [p.rect(3, 4.2, 18, 15.6, rx=1.6, fill="soft"), p.rect(3, 4.2, 18, 4.4, rx=1.6, fill="ink"),
                p.line(3, 14.2, 21, 14.2), p.line(9, 8.6, 9, 19.8), p.line(15, 8.6, 15, 19.8)]
    if kind == "graph":
        return [p.polyline([(3.4, 3.4), (3.4, 20.6), (20.6, 20.6)]),
                p.rect(6.6, 11.4, 3, 6.8, rx=0.6, fill="ink", stroke=None),
                p.rect(11.2, 6.6, 3, 11.6, rx=0.6, fill="ink", stroke=None),
                p.rect(15.8, 13.4, 3, 4.8, rx=0.6, fill="ink", stroke=None)]
    if kind == "currency":
        parts = []
        for y in (16.4, 12.6, 8.8):
            parts.append(p.path(f"M3.2 {num(y)} v2.6 a6.2 2.4 0 0 0 12.4 0 v-2.6", fill="gold"))
            parts.append(p.ellipse(9.4, y, 6.2, 2.4, fill="gold"))
        parts.append(p.circle(17.2, 15.8, 4.6, fill="gold"))
        parts.append(p.dot(17.2, 15.8, 1.4))
        return parts
    if kind == "unit":
        return [p.rect(3.4, 3, 17.2, 18, rx=2.4, fill="soft"), p.rect(6.4, 6, 11.2, 5, rx=1, fill="ink"),
                p.place(bolt_shape(p), dy=4.4, scale=0.36)]
    if kind == "tariff":
        return [p.path("M3.4 3.4 H11.6 L20.6 12.4 L12.4 20.6 L3.4 11.6 Z", fill="soft"),
                p.circle(7.8, 7.8, 1.6)]
    raise ValueError(kind)


def load(p, kind):
    if kind == "system":
        return [p.rect(3.2, 3.2, 17.6, 17.6, rx=4.4), p.circle(12, 12, 5.8, fill="soft"),
                p.dot(9.6, 12, 1.3), p.dot(14.4, 12, 1.3)]
    if kind == "unplugged":
        plug = p.place([p.group(plug_shape(p), "rotate(90 12 12)")], dx=-4.4, scale=0.74)
        return [plug, p.rect(17.2, 4.6, 4.6, 14.8, rx=1.6, fill="soft"),
                p.dot(19.5, 10.1, 0.9), p.dot(19.5, 13.9, 0.9)]
    if kind == "info":
        return [p.circle(12, 12, 9.2, fill="soft"), p.dot(12, 7.6, 1.5), p.line(12, 11.2, 12, 17)]
    if kind == "reset":
        return curved_arrow(p, 12, 12, 8.6, -20, -300, 3.6) + [p.ellipse(12, 12, 2.4, 3.4)]
    if kind == "refresh":
        return curved_arrow(p, 12, 12, 8.4, 200, 340, 3.4) + curved_arrow(p, 12, 12, 8.4, 20, 160, 3.4)
    plug = [p.place(plug_shape(p), dx=-2.4, dy=-1, scale=0.9)]
    return plug + badge(p, {"ok": "check", "controlled": "lock", "uncontrolled": "unlock"}[kind])


def switch(p, on):
    parts = [p.rect(2.6, 6.8, 18.8, 10.4, rx=5.2, fill="ok" if on else "soft")]
    parts.append(p.circle(16.2 if on else 7.8, 12, 3.3, fill="mark" if on else "ink", stroke=None))
    return parts


def transport(p, kind):
    if kind == "start":
        return [p.polygon([(7.6, 4.4), (7.6, 19.6), (19.6, 12)], fill="soft")]
    if kind == "stop":
        return [p.rect(5.4, 5.4, 13.2, 13.2, rx=2, fill="soft")]
    forward = [p.polygon([(3.4, 6.6), (3.4, 17.4), (10.8, 12)], fill="ink"),
               p.polygon([(10.8, 6.6), (10.8, 17.4), (18.2, 12)], fill="ink"),
               p.line(20.6, 6.6, 20.6, 17.4)]
    return forward if kind == "next" else [p.group(forward, "matrix(-1 0 0 1 24 0)")]


def scenario_command(p, enable):
    return [p.place(clapper_shape(p), dx=-2.4, dy=-1.6, scale=0.86)] + badge(p, "check" if enable else "cross")


def motor(p, direction):
    if direction == "up":
        return arrow(p, 12, 20.4, 12, 3.8, 7)
    if direction == "down":
        return arrow(p, 12, 3.6, 12, 20.2, 7)
    parts = [p.line(12, 4, 12, 20)]
    if direction == "open":
        return parts + arrow(p, 9, 12, 2.6, 12, 4.2) + arrow(p, 15, 12, 21.4, 12, 4.2)
    return parts + arrow(p, 2.6, 12, 9, 12, 4.2) + arrow(p, 21.4, 12, 15, 12, 4.2)


def shutter_command(p, direction):
    parts = [p.place(shutter_shape(p, x=2, w=12.6), dy=0)]
    if direction == "up":
        return parts + arrow(p, 19.6, 19.4, 19.6, 5, 3.6)
    return parts + arrow(p, 19.6, 5, 19.6, 19.4, 3.6)


def curtain_command(p, direction):
    parts = curtain_shape(p, x=1.5, w=21, gather=0.2)
    if direction == "open":
        return parts + arrow(p, 10.8, 12.6, 6.8, 12.6, 3) + arrow(p, 13.2, 12.6, 17.2, 12.6, 3)
    return parts + arrow(p, 6.6, 12.6, 10.8, 12.6, 3) + arrow(p, 17.4, 12.6, 13.2, 12.6, 3)


def step(p, direction):
    parts = [p.line(5, 12, 19, 12, width=p.width * 1.25)]
    if direction == "increase":
        parts.append(p.line(12, 5, 12, 19, width=p.width * 1.25))
    return parts


def chevron(p, direction):
    pts = [(15, 4.4), (7.6, 12), (15, 19.6)]
    if direction == "right":
        pts = [(24 - x, y) for x, y in pts]
    return [p.polyline(pts, width=p.width * 1.3)]


# Name -> (pictogram function, argument).
ICONS = [
    # devices and the carousel's home-page (system) icons
    ("light", light, "single"),
    ("light_group", light, "group"),
    ("light_system", light, "system"),
    ("automation_system", automation, None),
    ("termo", thermometer, "single"),
    ("temperature_system", thermometer, "system"),
    ("airconditioner", air_conditioner, None),
    ("light_sensor", light_sensor, "single"),
    ("light_sensor_system", light_sensor, "system"),
    ("presence", presence, "single"),
    ("presence_sensor_system", presence, "system"),
    ("scenario", scenario, "single"),
    ("scenario_system", scenario, "system"),
    ("webserver", webserver, "single"),
    ("webserver_system", webserver, "system"),
    ("sound_system", sound, None),
    ("amplifier", amplifier, "single"),
    ("amplifier_group", amplifier, "group"),
    ("shutter", shutter, "single"),
    ("shutter_group", shutter, "group"),
    ("curtain", curtain, "single"),
    ("curtain_group", curtain, "group"),
    # thermoregulation
    ("thermo_automatic", thermo_mode, "automatic"),
    ("thermo_manual", thermo_mode, "manual"),
    ("thermo_antifreeze", thermo_mode, "antifreeze"),
    ("thermo_fancoil_low", fancoil, 1),
    ("thermo_fancoil_medium", fancoil, 2),
    ("thermo_fancoil_high", fancoil, 3),
    ("thermo_fancoil_auto", fancoil, "auto"),
    ("thermo_fancoil_silent", fancoil, "silent"),
    ("thermo_heating", thermo_mode, "heating"),
    ("thermo_cooling", thermo_mode, "cooling"),
    ("thermo_dry", thermo_mode, "dry"),
    ("thermo_fan", thermo_mode, "fan"),
    ("thermo_swing_on", thermo_mode, "swing_on"),
    ("thermo_swing_off", thermo_mode, "swing_off"),
    ("celsius", temperature_unit, "C"),
    ("fahrenheit", temperature_unit, "F"),
    # energy and loads
    ("energy_electricity", energy, "electricity"),
    ("energy_water", energy, "water"),
    ("energy_gas", energy, "gas"),
    ("energy_dhw", energy, "dhw"),
    ("energy_heating_cooling", energy, "heating_cooling"),
    ("energy_system", energy, "system"),
    ("energy_cycle_timespan_view", energy_view, "timespan"),
    ("energy_table", energy_view, "table"),
    ("energy_graph", energy_view, "graph"),
    ("energy_currency", energy_view, "currency"),
    ("energy_unit", energy_view, "unit"),
    ("energy_tariff", energy_view, "tariff"),
    ("load_management_system", load, "system"),
    ("load_device_ok", load, "ok"),
    ("load_unplugged", load, "unplugged"),
    ("load_controlled", load, "controlled"),
    ("load_uncontrolled", load, "uncontrolled"),
    ("load_info", load, "info"),
    ("load_reset", load, "reset"),
    ("load_refresh", load, "refresh"),
    # commands
    ("on", switch, True),
    ("off", switch, False),
    ("start", transport, "start"),
    ("stop", transport, "stop"),
    ("scenario_enable", scenario_command, True),
    ("scenario_disable", scenario_command, False),
    ("motor_up", motor, "up"),
    ("motor_down", motor, "down"),
    ("motor_open", motor, "open"),
    ("motor_close", motor, "close"),
    ("shutter_up", shutter_command, "up"),
    ("shutter_down", shutter_command, "down"),
    ("curtain_open", curtain_command, "open"),
    ("curtain_close", curtain_command, "close"),
    ("next_track", transport, "next"),
    ("prev_track", transport, "prev"),
    ("decrease", step, "decrease"),
    ("increase", step, "increase"),
    ("LeftArrow", chevron, "left"),
    ("RightArrow", chevron, "right"),
]

OVERLAYS = ("favorite_indicator", "error_indicator")


# --------------------------------------------------------------------------
# Styles


def star_points(cx, cy, outer, inner):
    return [polar(cx, cy, outer if i % 2 == 0 else inner, -90 + i * 36) for i in range(10)]


def question_mark(cx, cy, color, width):
    hook = (f"M{num(cx - 2.7)} {num(cy - 2.3)} a2.8 2.8 0 1 1 4.1 2.5"
            f" c-0.9 0.5 -1.4 1.1 -1.4 2.1 v0.3")
    return [element("path", d=hook, fill="none", stroke=color, stroke_width=float(width),
                    stroke_linecap="round", stroke_linejoin="round"),
            element("circle", cx=float(cx), cy=float(cy + 5), r=1.3, fill=color)]


def exclamation_mark(cx, cy, color):
    return [element("line", x1=float(cx), y1=float(cy - 5), x2=float(cx), y2=float(cy + 0.8),
                    stroke=color, stroke_width=3.0, stroke_linecap="round"),
            element("circle", cx=float(cx), cy=float(cy + 5), r=1.7, fill=color)]


class Style:
    """What a theme looks like: palette per state, plate, glow and badges."""

    folder = ""
    skin_name = ""
    stroke_width = 2.0
    palette = {}
    disabled_opacity = 0.5

    def pen(self, state):
        """The pen of one state; muted states fill accents grey and draw accent lines in ink."""
        colors = self.palette[state]
        common = dict(ink=colors["ink"], soft=colors["soft"], mark=colors["mark"], paper=self.paper(state))
        if "accents" in colors:
            return Pen({**colors["accents"], **common}, self.stroke_width)
        return Pen({**dict.fromkeys(ACCENTS, colors["mute"]), **common}, self.stroke_width,
                   {**dict.fromkeys(ACCENTS, colors["ink"]), **common})

    def glyph(self, state, drawing):
        colors = self.palette[state]
        return element("g", drawing, transform=GRID_TRANSFORM, fill="none", stroke=colors["ink"],
                       stroke_width=float(self.stroke_width), stroke_linecap="round",
                       stroke_linejoin="round")

    # Overridden by each style.
    def paper(self, state):
        raise NotImplementedError

    def plate(self, state):
        """(defs, parts) of the plate behind the pictogram, in frame units."""
        raise NotImplementedError

    def glow(self):
        raise NotImplementedError

    def unknown_badge(self):
        raise NotImplementedError

    def favorite_badge(self):
        raise NotImplementedError

    def error_badge(self):
        raise NotImplementedError


class CorvaneStyle(Style):
    """Deep blue, glossy rounded squares with white pictograms."""

    folder = "CorvaneTheme"
    skin_name = "Default"
    stroke_width = 2.1
    disabled_opacity = 0.45
    palette = {
        "default": dict(plate=("#3f83e6", "#0c2a72"), rim="#061a4a", ink="#ffffff",
                        soft=("#ffffff", 0.26), mark="#ffffff",
                        accents=dict(warm="#ffd54f", hot="#ff8a3d", cold="#9be7ff", water="#4fc3ff",
                                     gas="#8fb8ff", ok="#5fd37a", alert="#ff5a5a", gold="#ffc93c")),
        "active": dict(plate=("#6fd0ff", "#1766dc"), rim="#d2f3ff", ink="#ffffff",
                       soft=("#ffffff", 0.34), mark="#ffffff",
                       accents=dict(warm="#ffe066", hot="#ffa04d", cold="#d4f6ff", water="#b6ecff",
                                    gas="#d0e2ff", ok="#7cf29a", alert="#ff7a7a", gold="#ffd95a")),
        "inactive": dict(plate=("#2b3952", "#0e1526"), rim="#05090f", ink="#8d9bb5",
                         soft=("#8d9bb5", 0.2), mark="#1a2336", mute="#5d6c87"),
        "uninitialized": dict(plate=("#80868f", "#474c55"), rim="#2b2f35", ink="#e4e7ec",
                              soft=("#ffffff", 0.2), mark="#ffffff", mute="#aab0b9"),
        "disabled": dict(plate=("#80868f", "#4e535b"), rim="#3a3e44", ink="#c5c9cf",
                         soft=("#ffffff", 0.15), mark="#ffffff", mute="#9ba1a9"),
    }

    # Control faces: fills are colours or (top, bottom) vertical gradients.
    face = dict(
        gloss=True, rim_width=1.2, corner=0.5, text_plate_corner=0.42,
        plate={"default": ("#3a7ee3", "#0c2a72"), "hover": ("#3f80de", "#0b2d7c"),
               "pressed": ("#2585d8", "#06337f"), "disabled": ("#7a818c", "#464c55")},
        rim={"default": "#061a4a", "hover": "#9fd8ff", "pressed": "#d2f3ff", "disabled": "#33373d"},
        glyph={"default": "#ffffff", "hover": "#ffffff", "pressed": "#ffffff", "disabled": "#b4bac3"},
        hover_plate=("#9fe0ff", "#3f83e6"), hover_opacity=0.55,
        track=("#06122e", "#17387a"), track_rim="#2f5fb8", fill=("#8fdcff", "#1766dc"),
        ring=("#0f2a63", "#06122e"), ring_rim="#3f83e6", ring_opacity=0.72,
        frame=("#4b8cec", "#0c2a72"), border="#0c2a72",
        labels=dict(
            navigation=dict(fill=("#ffffff", "#c9dcff"), rim="#1766dc", glyph="#0c2a72"),
            favorite=dict(fill=("#2f6fd6", "#0b2560"), rim="#6fd0ff", glyph="#ffffff")),
        edit=dict(fill=("#ffffff", "#eef4ff"), rim="#6fd0ff", glyph="#0c2a72"),
        bar=dict(navigation=dict(fill=("#e7f0ff", "#b8d0f5"), rim="#3f83e6", glyph="#0c2a72"),
                 favorite=dict(fill=("#555555", "#3a3a3a"), rim="#6fd0ff", glyph="#b5d5ff")),
        entry=dict(navigation="#0c2a72", favorite="#b5d5ff", active="#1766dc"),
        scroll_arrow="#8fc8ff", frame_glyph="#ffffff",
        dialog_button=dict(fill=("#3a7ee3", "#0c2a72"), rim="#061a4a"),
        thumb={"default": ("#8fdcff", "#1766dc"), "hover": ("#b6ecff", "#3f83e6"),
               "pressed": ("#d2f3ff", "#6fd0ff"), "disabled": ("#9aa0a8", "#5a6069")},
        thumb_rim={"default": "#061a4a", "hover": "#061a4a", "pressed": "#1766dc", "disabled": "#33373d"},
        carousel=dict(disc=("#2a64c8", "#071d52"), disc_rim="#6fb4ff", indicator="#9fe0ff",
                      action={"default": ("#3a7ee3", "#0c2a72"), "hover": ("#3f80de", "#0b2d7c"),
                              "pressed": ("#2585d8", "#06337f"), "disabled": ("#7a818c", "#464c55")},
                      action_rim={"default": "#9fd8ff", "hover": "#d2f3ff", "pressed": "#d2f3ff",
                                  "disabled": "#33373d"},
                      action_text="#ffffff", solid=("#0c2a72", "#020916")),
    )

    def paper(self, state):
        top, bottom = self.palette[state]["plate"]
        return mix(top, bottom, 0.72)

    def plate(self, state):
        colors = self.palette[state]
        top, bottom = colors["plate"]
        defs = [linear_gradient(f"{state}_plate", [(0, top), (1, bottom)]),
                linear_gradient(f"{state}_gloss", [(0, "#ffffff", 0.42), (1, "#ffffff", 0.02)])]
        parts = [element("rect", x=6, y=6, width=52, height=52, rx=15, fill=f"url(#{state}_plate)",
                         stroke=colors["rim"], stroke_width=2.0 if state == "active" else 1.5)]
        if state == "active":
            defs.append(radial_gradient("active_lit", [(0, "#ffffff", 0.45), (1, "#ffffff", 0)], 32, 34, 24))
            parts.append(element("rect", x=7, y=7, width=50, height=50, rx=14, fill="url(#active_lit)"))
        parts.append(element("rect", x=9, y=8.5, width=46, height=22, rx=12, fill=f"url(#{state}_gloss)"))
        return defs, parts

    def glow(self):
        defs = [radial_gradient("effect_glow", [(0, "#7fd4ff", 0.95), (0.66, "#7fd4ff", 0.9),
                                                (0.8, "#7fd4ff", 0.55), (1, "#7fd4ff", 0)], 32, 32, 40)]
        return defs, [element("rect", x=0, y=0, width=64, height=64, rx=20, fill="url(#effect_glow)")]

    def unknown_badge(self):
        return [element("circle", cx=50, cy=50, r=8.5, fill="#f2f4f7", stroke="#2b2f35", stroke_width=1.5)] + \
            question_mark(50, 48.6, "#4a505a", 2.2)

    def favorite_badge(self):
        star = points(star_points(51.5, 12.5, 12, 5.2))
        defs = [linear_gradient("default_star", [(0, "#fff3a6"), (1, "#f5a300")])]
        return defs, [element("polygon", points=star, fill="url(#default_star)", stroke="#0c2a72",
                              stroke_width=1.6, stroke_linejoin="round")]

    def error_badge(self):
        defs = [radial_gradient("default_error", [(0, "#ff8a8a"), (1, "#c41c1c")], 10.5, 9.5, 13)]
        return defs, [element("circle", cx=12.5, cy=12.5, r=10.8, fill="url(#default_error)", stroke="#ffffff",
                              stroke_width=1.8)] + exclamation_mark(12.5, 12.1, "#ffffff")


class TalveraStyle(Style):
    """Flat, light, calm: pale round plates, thin dark lines, a violet accent."""

    folder = "TalveraTheme"
    skin_name = "Essential"
    stroke_width = 1.7
    disabled_opacity = 0.6
    palette = {
        "default": dict(plate="#f5f3f8", rim="#dad4e5", ink="#3b3645", soft=("#a666d9", 0.22),
                        mark="#ffffff",
                        accents=dict(warm="#f2b52e", hot="#ee7d45", cold="#4aa8e0", water="#3f95e0",
                                     gas="#4f7fe0", ok="#3faf73", alert="#e0524f", gold="#f2b52e")),
        "active": dict(plate="#a666d9", rim="#8f4fc6", ink="#ffffff", soft=("#ffffff", 0.3),
                       mark="#8f4fc6",
                       accents=dict(warm="#ffe27a", hot="#ffb98a", cold="#cdebff", water="#cfe4ff",
                                    gas="#d6e0ff", ok="#b8f0cc", alert="#ffc9c8", gold="#ffe27a")),
        "inactive": dict(plate="#eeecf2", rim="#dcd8e3", ink="#a49fae", soft=("#a49fae", 0.18),
                         mark="#ffffff", mute="#c4bfcd"),
        "uninitialized": dict(plate="#efefef", rim="#b3b3b3", ink="#8c8c8c", soft=("#8c8c8c", 0.16),
                              mark="#ffffff", mute="#c9c9c9"),
        "disabled": dict(plate="#f2f2f2", rim="#dcdcdc", ink="#a8a8a8", soft=("#a8a8a8", 0.16),
                         mark="#ffffff", mute="#d4d4d4"),
    }

    face = dict(
        gloss=False, rim_width=1.0, corner=0.24, text_plate_corner=0.24,
        plate={"default": "#fbfafd", "hover": "#f3ebfb", "pressed": "#b584e3", "disabled": "#f2f2f2"},
        rim={"default": "#dad4e5", "hover": "#c9a2ee", "pressed": "#8f4fc6", "disabled": "#e3e3e3"},
        glyph={"default": "#3b3645", "hover": "#8f4fc6", "pressed": "#231f2b", "disabled": "#b8b8b8"},
        hover_plate="#a666d9", hover_opacity=0.16,
        track="#e6e1ee", track_rim="#d4cde0", fill="#a666d9",
        ring="#f5f3f8", ring_rim="#dad4e5", ring_opacity=0.92,
        frame="#f5f3f8", border="#dad4e5",
        labels=dict(
            navigation=dict(fill="#fbfafd", rim="#dad4e5", glyph="#3b3645"),
            favorite=dict(fill="#fbfafd", rim="#dad4e5", glyph="#3b3645")),
        edit=dict(fill="#ffffff", rim="#a666d9", glyph="#3b3645"),
        bar=dict(navigation=dict(fill="#f1eef6", rim="#dad4e5", glyph="#8f4fc6"),
                 favorite=dict(fill="#f1eef6", rim="#dad4e5", glyph="#8f4fc6")),
        entry=dict(navigation="#8f4fc6", favorite="#8f4fc6", active="#8f4fc6"),
        scroll_arrow="#c9a2ee", frame_glyph="#3b3645",
        dialog_button=dict(fill="#8f4fc6", rim="#7a3db0"),
        thumb={"default": "#ffffff", "hover": "#f3ebfb", "pressed": "#a666d9", "disabled": "#f2f2f2"},
        thumb_rim={"default": "#a666d9", "hover": "#8f4fc6", "pressed": "#8f4fc6", "disabled": "#d0d0d0"},
        carousel=dict(disc="#f5f3f8", disc_rim="#dad4e5", indicator="#a666d9",
                      action={"default": "#8f4fc6", "hover": "#9656cb", "pressed": "#7a3db0", "disabled": "#d6d1dd"},
                      action_rim={"default": "#7a3db0", "hover": "#7a3db0", "pressed": "#63308f",
                                  "disabled": "#c9c3d2"},
                      action_text="#ffffff", solid=("#fbfafd", "#e9e5f0")),
    )

    def paper(self, state):
        return self.palette[state]["plate"]

    def plate(self, state):
        colors = self.palette[state]
        dashes = "3.2 2.4" if state == "uninitialized" else None
        return [], [element("circle", cx=32, cy=32, r=26.5, fill=colors["plate"], stroke=colors["rim"],
                            stroke_width=1.2, stroke_dasharray=dashes)]

    def glow(self):
        defs = [radial_gradient("effect_glow", [(0, "#c9a2ee", 0.95), (0.82, "#a666d9", 0.8),
                                                (1, "#a666d9", 0)], 32, 32, 32)]
        return defs, [element("circle", cx=32, cy=32, r=32, fill="url(#effect_glow)")]

    def unknown_badge(self):
        return [element("circle", cx=50, cy=50, r=8.5, fill="#7e7e7e", stroke="#ffffff", stroke_width=1.5)] + \
            question_mark(50, 48.6, "#ffffff", 2.0)

    def favorite_badge(self):
        star = points(star_points(51.5, 12.5, 12, 5.2))
        return [], [element("polygon", points=star, fill="#f2b52e", stroke="#ffffff", stroke_width=2.4,
                            stroke_linejoin="round")]

    def error_badge(self):
        return [], [element("circle", cx=12.5, cy=12.5, r=10.8, fill="#e0524f", stroke="#ffffff",
                            stroke_width=2.0)] + exclamation_mark(12.5, 12.1, "#ffffff")


STYLES = (CorvaneStyle(), TalveraStyle())


# --------------------------------------------------------------------------
# SVG documents


def svg_document(defs, body, width=FRAME, height=FRAME):
    parts = ([element("defs", defs)] if defs else []) + body
    return ('<?xml version="1.0" encoding="UTF-8"?>\n'
            '<svg xmlns="http://www.w3.org/2000/svg" version="1.2" baseProfile="tiny"'
            f' width="{num(width)}" height="{num(height)}" viewBox="0 0 {num(width)} {num(height)}">\n'
            + "\n".join(parts) + "\n</svg>\n")


def bounding_box():
    return element("rect", id="bounding_box", x=0, y=0, width=FRAME, height=FRAME, fill="none")


def state_group(style, state, drawing_fn, argument):
    """One complete drawing of the icon in one state."""
    pen = style.pen(state)
    drawing = drawing_fn(pen, argument) if argument is not None else drawing_fn(pen)
    defs, plate = style.plate(state)
    parts = [element("rect", x=0, y=0, width=FRAME, height=FRAME, fill="none")]
    parts += plate + [style.glyph(state, drawing)]
    if state == "uninitialized":
        parts += style.unknown_badge()
    opacity = float(style.disabled_opacity) if state == "disabled" else None
    return defs, element("g", parts, id=state, opacity=opacity)


def icon_svg(style, name, drawing_fn, argument):
    defs, shown, hidden = [], [bounding_box()], []
    glow_defs, glow = style.glow()
    defs += glow_defs
    (hidden if name in WHOLE_DOCUMENT_ICONS else shown).append(element("g", glow, id="effect"))
    # "default" goes last, so that a viewer of the whole file sees it on top.
    for state in STATES[1:] + STATES[:1]:
        state_defs, group = state_group(style, state, drawing_fn, argument)
        defs += state_defs
        hidden_here = name in WHOLE_DOCUMENT_ICONS and state != "default"
        (hidden if hidden_here else shown).append(group)
    return svg_document(defs + hidden, shown)


def overlay_svg(style, name):
    defs, badge_parts = style.favorite_badge() if name == "favorite_indicator" else style.error_badge()
    return svg_document(defs, [bounding_box(), element("g", badge_parts, id="default")])


# --------------------------------------------------------------------------
# Control faces: buttons, scrollers, frames, labels, drop-downs, slider, rings
#
# Every face is built by one function from the style's "face" palette, so the
# two themes share all element ids and geometry and differ only in paint.
# Button ids follow the control conventions: X_default, X_hover, X_pressed,
# X_disabled (all sharing one frame), X_mask (pure black hit area) and, where
# content goes, X_content_placeholder.  Placeholders and other rectangles that
# are only measured are unpainted rectangles.

BUTTON_STATES = ("default", "hover", "pressed", "disabled")


def rounded_rect(x, y, w, h, r):
    """Path of a rectangle with round corners of radius r (clamped to the sides)."""
    r = max(0.0, min(r, w / 2, h / 2))
    if r == 0:
        return f"M{num(x)} {num(y)} H{num(x + w)} V{num(y + h)} H{num(x)} Z"
    arc = f"A{num(r)} {num(r)} 0 0 1"
    return (f"M{num(x + r)} {num(y)} H{num(x + w - r)} {arc} {num(x + w)} {num(y + r)}"
            f" V{num(y + h - r)} {arc} {num(x + w - r)} {num(y + h)} H{num(x + r)}"
            f" {arc} {num(x)} {num(y + h - r)} V{num(y + r)} {arc} {num(x + r)} {num(y)} Z")


def circle_path(cx, cy, r):
    return (f"M{num(cx - r)} {num(cy)} A{num(r)} {num(r)} 0 1 1 {num(cx + r)} {num(cy)}"
            f" A{num(r)} {num(r)} 0 1 1 {num(cx - r)} {num(cy)} Z")


def sector_path(cx, cy, r0, r1, start, end):
    """Annular sector between radii r0 < r1, clockwise from angle start to end."""
    large = 1 if end - start > 180 else 0
    a, b = polar(cx, cy, r1, start), polar(cx, cy, r1, end)
    c, d = polar(cx, cy, r0, end), polar(cx, cy, r0, start)
    return (f"M{num(a[0])} {num(a[1])} A{num(r1)} {num(r1)} 0 {large} 1 {num(b[0])} {num(b[1])}"
            f" L{num(c[0])} {num(c[1])} A{num(r0)} {num(r0)} 0 {large} 0 {num(d[0])} {num(d[1])} Z")


class Face:
    """One face document: shared paints in <defs> and the id'd parts in order.

    Masks come first and the normal looks last, so a viewer of the whole file
    sees the controls at rest and not their hit areas.
    """

    def __init__(self, style, width, height):
        self.look = style.face
        self.width, self.height = width, height
        self.defs, self.masks, self.marks, self.body = [], [], [], []
        self.paint_ids = set()

    def fill(self, gid, value):
        """Fill attribute for a colour, or a vertical gradient (top, bottom) kept under gid."""
        if isinstance(value, str):
            return value
        if gid not in self.paint_ids:
            self.paint_ids.add(gid)
            self.defs.append(linear_gradient(gid, [(0, value[0]), (1, value[1])]))
        return f"url(#{gid})"

    def gloss(self, gid, d):
        """The glossy highlight of the styles that have one."""
        if not self.look["gloss"]:
            return []
        if gid not in self.paint_ids:
            self.paint_ids.add(gid)
            self.defs.append(linear_gradient(gid, [(0, "#ffffff", 0.5), (1, "#ffffff", 0.06)]))
        return [element("path", d=d, fill=f"url(#{gid})")]

    def shape(self, gid, d, fill, rim=None, opacity=None):
        return element("path", d=d, fill=self.fill(gid, fill), fill_opacity=opacity,
                       stroke=rim, stroke_width=float(self.look["rim_width"]) if rim else None)

    def group(self, eid, parts):
        self.body.append(element("g", parts, id=eid))

    def mask(self, eid, d):
        self.masks.append(element("path", id=eid, d=d, fill="#000000"))

    def mark(self, eid, x, y, w, h):
        self.marks.append(frame_rect(x, y, w, h, eid))

    def document(self):
        return svg_document(self.defs, self.masks + self.marks + self.body, self.width, self.height)


def frame_rect(x, y, w, h, eid=None):
    """Unpainted rectangle: a placeholder, or the shared frame of a button's states."""
    return element("rect", id=eid, x=float(x), y=float(y), width=float(w), height=float(h), fill="none")


def glyph_stroke(d, color, width=1.6):
    return element("path", d=d, fill="none", stroke=color, stroke_width=float(width),
                   stroke_linecap="round", stroke_linejoin="round")


def chevron_glyph(cx, cy, size, direction, color, width=1.6):
    """Open chevron pointing "up" or "down"."""
    s = size / 2
    dy = s / 2 if direction == "down" else -s / 2
    return glyph_stroke(f"M{num(cx - s)} {num(cy - dy)} L{num(cx)} {num(cy + dy)} L{num(cx + s)} {num(cy - dy)}",
                        color, width)


def triangle_glyph(cx, cy, size, degrees, color):
    """Solid triangle pointing along degrees (0 = right, 90 = down)."""
    tip = polar(cx, cy, size * 0.58, degrees)
    left = polar(cx, cy, size * 0.5, degrees + 130)
    right = polar(cx, cy, size * 0.5, degrees - 130)
    return element("polygon", points=points([tip, left, right]), fill=color, stroke=color,
                   stroke_width=0.8, stroke_linejoin="round")


def cross_glyph(cx, cy, size, color, width=1.6):
    s = size / 2
    return glyph_stroke(segments([((cx - s, cy - s), (cx + s, cy + s)), ((cx + s, cy - s), (cx - s, cy + s))]),
                        color, width)


def refresh_glyph(cx, cy, size, color, width=1.5):
    r = size / 2
    tip = polar(cx, cy, r, 20)
    head = [polar(tip[0], tip[1], size * 0.34, 20 + 90 + 180 - 40), tip,
            polar(tip[0], tip[1], size * 0.34, 20 + 90 + 180 + 40)]
    return glyph_stroke(arc_path(cx, cy, r, -250, 20) + " M" + " L".join(f"{num(x)} {num(y)}" for x, y in head),
                        color, width)


def pencil_glyph(cx, cy, size, color):
    s = size / 2
    body = [(cx - s, cy + s), (cx - s, cy + s * 0.45), (cx + s * 0.45, cy - s), (cx + s, cy - s * 0.45),
            (cx - s * 0.45, cy + s)]
    return element("polygon", points=points(body), fill=color)


# --------------------------------------------------------------------------
# Faces built from three slices (left end, stretched middle, right end)


def three_slices(face, prefix, x, y, left, middle, right, h, fill, rim, gid, opacity=None, corner=None):
    """prefix_left, prefix_middle and prefix_right: a bar whose middle stretches.

    Each slice's bounds are exactly its own column: the rims are filled bands
    inside the slice (a stroke would reach half its width past the edge and
    make the slices overlap), and the ends carry an unpainted frame.  The
    middle tiles under any horizontal stretch (rim bands on its long sides only)."""
    corner = face.look["corner"] if corner is None else corner
    r = min(corner * h, left, right, h / 2)
    rw = face.look["rim_width"]
    g = max(1.4, h * 0.09)
    gloss_h = h * 0.46
    x_mid, x_right = x + left, x + left + middle
    mid = [element("rect", x=float(x_mid), y=float(y), width=float(middle), height=float(h),
                   fill=face.fill(gid, fill), fill_opacity=opacity)]
    mid += face.gloss("gloss", f"M{num(x_mid)} {num(y + g)} H{num(x_right)} V{num(y + gloss_h)} H{num(x_mid)} Z")
    mid += [element("rect", x=float(x_mid), y=float(top), width=float(middle), height=float(rw), fill=rim)
            for top in (y, y + h - rw)]
    for side, x_join, eid in ((-1, x_mid, "left"), (1, x_right, "right")):
        width = left if side < 0 else right
        outline = bar_end_path(x_join, y, h, r, width, side)
        parts = [frame_rect(min(x_join, x_join + side * width), y, width, h),
                 element("path", d=outline, fill=face.fill(gid, fill), fill_opacity=opacity)]
        parts += face.gloss("gloss", bar_end_path(x_join, y + g, gloss_h - g, max(0.0, r - g), width - g, side,
                                                  square_bottom=True))
        parts.append(element("path", d=bar_end_rim(x_join, y, h, r, width, side, rw), fill=rim))
        face.group(f"{prefix}_{eid}", parts)
    face.group(f"{prefix}_middle", mid)


def bar_end_rim(x_join, y, h, r, width, side, rw):
    """The rim of a bar's end as one band rw thick, open at the join line.

    One contour (out along the outer edge, back along the inner one) leaves no
    edges lying on the join line, where two coinciding edges would paint a
    faint line under antialiasing."""
    sweep = 1 if side > 0 else 0

    def edge(inset, reverse):
        x_end = x_join + side * (width - inset)
        rr = max(0.0, r - inset)
        top, bottom = y + inset, y + h - inset
        corners = [(x_end - side * rr, top), (x_end, top + rr), (x_end, bottom - rr), (x_end - side * rr, bottom)]
        if reverse:
            corners.reverse()
        turn = f"A{num(rr)} {num(rr)} 0 0 {1 - sweep if reverse else sweep} "
        a, b, c, d = corners
        path = f"H{num(a[0])} "
        path += turn + f"{num(b[0])} {num(b[1])} " if rr > 0 else f"V{num(b[1])} "
        path += f"V{num(c[1])} "
        path += turn + f"{num(d[0])} {num(d[1])} " if rr > 0 else f"H{num(d[0])} "
        return path

    return (f"M{num(x_join)} {num(y)} " + edge(0.0, False) + f"H{num(x_join)} V{num(y + h - rw)} "
            + edge(rw, True) + f"H{num(x_join)} Z")


def bar_end_path(x_join, y, h, r, width, side, inset=0.0, square_bottom=False):
    """End of a bar, width wide from the join line, with corners of radius r."""
    x_end = x_join + side * (width - inset)
    rr = max(0.0, r - inset)
    sweep = 1 if side > 0 else 0
    top, bottom = y + inset, y + h - inset
    path = f"M{num(x_join)} {num(top)} H{num(x_end - side * rr)}"
    if rr > 0:
        path += f" A{num(rr)} {num(rr)} 0 0 {sweep} {num(x_end)} {num(top + rr)}"
    if square_bottom:
        return path + f" V{num(bottom)} H{num(x_join)} Z"
    path += f" V{num(bottom - rr)}"
    if rr > 0:
        path += f" A{num(rr)} {num(rr)} 0 0 {sweep} {num(x_end - side * rr)} {num(bottom)}"
    return path + f" H{num(x_join)} Z"


def button_face(style):
    """"button": the back plates of text buttons, normal and hovered."""
    look = style.face
    face = Face(style, 44, 30)
    three_slices(face, "default", 0, 1, 14, 16, 14, 28, look["plate"]["default"], look["rim"]["default"],
                 "default_fill")
    face.mark("default_central_content_bounds", 14, 7, 16, 16)
    three_slices(face, "hover", 0, 1, 14, 16, 14, 28, look["hover_plate"], look["rim"]["hover"], "hover_fill",
                 opacity=float(look["hover_opacity"]))
    face.mark("hover_central_content_bounds", 14, 7, 16, 16)
    return face.document()


def user_configuration_button_face(style):
    """"button_userconfiguration": the dialog's push buttons (white text on the plate)."""
    look = style.face
    face = Face(style, 40, 26)
    button = look["dialog_button"]
    three_slices(face, "default", 0, 0, 13, 14, 13, 26, button["fill"], button["rim"], "default_fill")
    return face.document()


def button_states(face, eid, d, glyph_fn, frame=None, plate_states=BUTTON_STATES, mask_d=None):
    """X_default/_hover/_pressed/_disabled and X_mask of a button shaped d.

    glyph_fn(state) draws the symbol; plate_states lists the states that get a
    plate (the others show the symbol alone); frame (x, y, w, h) is an
    unpainted rectangle giving every state the same bounds."""
    look = face.look
    face.mask(eid + "_mask", mask_d or d)
    for state in BUTTON_STATES[1:] + BUTTON_STATES[:1]:
        parts = [frame_rect(*frame)] if frame else []
        if state in plate_states:
            parts.append(face.shape(f"{eid}_{state}_fill", d, look["plate"][state], look["rim"][state]))
        parts += glyph_fn(state)
        face.group(f"{eid}_{state}", parts)


def scroller_face(style):
    """"scroller": vertical artwork; the horizontal scroller turns it.

    The buttons, the track's hit area and the thumb's travel all share the
    12-unit width of "bar_mask", so the scroller needs no sideways shift."""
    look = style.face
    face = Face(style, 12, 80)
    radius = look["corner"] * 12
    hw = look["rim_width"] / 2
    for eid, y, degrees in (("prev", 0, -90), ("next", 66, 90)):
        d = rounded_rect(hw, y + hw, 12 - 2 * hw, 14 - 2 * hw, radius)
        button_states(face, eid, d, frame=(0, y, 12, 14), mask_d=rounded_rect(0, y, 12, 14, radius),
                      glyph_fn=lambda state, y=y, degrees=degrees:
                      [triangle_glyph(6, y + 7, 6, degrees, look["glyph"][state])])
    track = look["track"]
    face.group("bar_start", [element("path", d="M3 20 V17 A3 3 0 0 1 9 17 V20 Z", fill=face.fill("bar_fill", track))])
    face.group("bar_middle", [element("rect", x=3, y=20, width=6, height=40, fill=face.fill("bar_fill", track))])
    face.group("bar_end", [element("path", d="M3 60 H9 V63 A3 3 0 0 1 3 63 Z", fill=face.fill("bar_fill", track))])
    face.mask("bar_mask", "M0 14 H12 V66 H0 Z")
    button_states(face, "thumb", circle_path(6, 39, 4.6),
                  lambda state: face.gloss("gloss", circle_path(6, 37.4, 2.6)))
    return face.document()


def scroll_arrow_face(style, degrees):
    """"scroll_decrease" / "scroll_increase": drawn whole by the dialog's scroll bar."""
    face = Face(style, 14, 14)
    face.body.append(triangle_glyph(7, 7.4, 10, degrees, style.face["scroll_arrow"]))
    return face.document()


def window_frame_face(style):
    """"window_frame": title bar, close button, borders and the resize grip."""
    look = style.face
    width, height, title, border = 240, 160, 26, 3
    face = Face(style, width, height)
    radius = 6 if look["gloss"] else 4
    bar = (f"M0 {title} V{radius} A{radius} {radius} 0 0 1 {radius} 0 H{width - radius}"
           f" A{radius} {radius} 0 0 1 {width} {radius} V{title} Z")
    face.group("background", [element("path", d=bar, fill=face.fill("background_fill", look["frame"]))]
               + face.gloss("gloss", rounded_rect(3, 2, width - 6, title * 0.42, 4)))
    face.mark("title_placeholder", 10, 5, 190, 16)
    close_x = width - title - border
    cx, cy = close_x + title / 2, title / 2
    button_states(face, "close_button", circle_path(cx, cy, 9), frame=(close_x, 0, title, title),
                  plate_states=("hover", "pressed", "disabled"), mask_d=circle_path(cx, cy, 10),
                  glyph_fn=lambda state: [cross_glyph(cx, cy, 7, look["glyph"][state] if state != "default"
                                                      else look["frame_glyph"], 1.8)])
    face.mark("close_button_content_placeholder", cx - 6, cy - 6, 12, 12)
    inner = height - title - border
    for eid, x, y, w, h in (("border_left", 0, title, border, inner), ("border_top", 0, title - border, width, border),
                            ("border_right", width - border, title, border, inner),
                            ("border_bottom", 0, height - border, width, border)):
        face.group(eid, [element("rect", x=x, y=y, width=w, height=h, fill=look["border"])])
    gx, gy = width - border - 2, height - border - 2
    grip = segments([((gx - k, gy), (gx, gy - k)) for k in (4, 8, 12)])
    face.group("resize_handle", [frame_rect(gx - 14, gy - 14, 16, 16),
                                 glyph_stroke(grip, look["frame_glyph"], 1.4)])
    return face.document()


def slider_face(style):
    """"slider": empty and filled track, press area, thumb path and thumb."""
    look = style.face
    face = Face(style, 136, 18)
    x0, length, cy = 8, 120, 9
    track = rounded_rect(x0, cy - 2.5, length, 5, 2.5)
    face.group("background", [face.shape("background_fill", track, look["track"], look["track_rim"])])
    face.group("slider", [element("path", d=track, fill=face.fill("slider_fill", look["fill"]))])
    face.mask("slider_mask", f"M{x0} 1 H{x0 + length} V17 H{x0} Z")
    # The thumb's centre runs along this line; it must carry no transform, and it
    # is stroked (under the track) because it is read back by drawing it.
    line = look["track"][0] if isinstance(look["track"], tuple) else look["track"]
    face.marks.append(element("path", id="slider_path", d=f"M{x0} {cy} H{x0 + length}", fill="none", stroke=line,
                              stroke_width=1.0))
    thumb = circle_path(x0, cy, 7)
    face.mask("thumb_mask", thumb)
    for state in BUTTON_STATES[1:] + BUTTON_STATES[:1]:
        fill = look["thumb"][state]
        face.group(f"thumb_{state}", [face.shape(f"thumb_{state}_fill", thumb, fill, look["thumb_rim"][state])]
                   + face.gloss("gloss", circle_path(x0, cy - 2.4, 3.6)))
    return face.document()


# Carousel labels ("tooltip"), the favourite's label and their drop-downs.
# Row 1 holds the text and one button (refresh, or close while editing); row 2
# adds the drop-down bar.  The carousel's label plates leave a strip above the
# plate for the tail, inside the background's box, so that a label's bounds do
# not depend on where its tail is.

LABEL_TAILS = 5


class LabelLayout:
    def __init__(self, tone, width, tail, row_height, row2_height, button, dropdown_height):
        self.tone, self.width, self.tail = tone, width, tail
        self.row_height, self.row2_height = row_height, row2_height
        self.button, self.dropdown_height = button, dropdown_height

    @property
    def dropdown_width(self):
        return self.width - 12


NAVIGATION_LABEL = LabelLayout("navigation", 150, 8, 26, 52, 18, 20)
FAVORITE_LABEL = LabelLayout("favorite", 170, 0, 30, 58, 20, 22)


def label_face(style, layout):
    look = style.face
    colors, edit = look["labels"][layout.tone], look["edit"]
    face = Face(style, layout.width, layout.tail + layout.row2_height)
    w, top = layout.width, layout.tail
    radius = look["text_plate_corner"] * layout.row_height
    hw = look["rim_width"] / 2
    for row, height in (("", layout.row_height), ("row_2_", layout.row2_height)):
        plate = rounded_rect(hw, top + hw, w - 2 * hw, height - 2 * hw, radius)
        for suffix, paint in (("", colors), ("_edit", edit)):
            eid = f"{row}background{suffix}"
            face.group(eid, [frame_rect(0, 0, w, top + height),
                             face.shape(f"{eid}_fill", plate, paint["fill"], paint["rim"])]
                       + face.gloss("gloss", rounded_rect(3, top + 2, w - 6, layout.row_height * 0.42, radius)))
            for number in range(1, LABEL_TAILS + 1) if layout.tail else ():
                face.group(f"{row}tail_{number}{suffix}", label_tail(look, w / 2, top, paint))
    b = layout.button
    bx, by = w - b - 6, top + (layout.row_height - b) / 2
    text_height = layout.row_height - 8
    face.mark("text_placeholder", 10, top + 4, bx - 14, text_height)
    face.mark("text_placeholder_full", 10, top + 4, w - 20, text_height)
    face.mark("button_placeholder", bx, by, b, b)
    face.mark("row_2_text_placeholder", 6, top + layout.row_height + 2, layout.dropdown_width, layout.dropdown_height)
    cx, cy = bx + b / 2, by + b / 2
    plate = circle_path(cx, cy, b / 2 - look["rim_width"] / 2)
    for eid, glyph in (("refresh", refresh_glyph), ("close", cross_glyph)):
        for variant, glyph_color in (("", colors["glyph"]), ("_edit", edit["glyph"])):
            button_states(face, eid + variant, plate, frame=(bx, by, b, b),
                          plate_states=("hover", "pressed", "disabled"),
                          glyph_fn=lambda state, glyph=glyph, color=glyph_color:
                          [glyph(cx, cy, b * 0.46, color if state == "default" else look["glyph"][state])])
    return face.document()


def label_tail(look, x, top, paint):
    """A tail pointing up from the middle of the plate's upper edge."""
    fill = paint["fill"][0] if isinstance(paint["fill"], tuple) else paint["fill"]
    hw = look["rim_width"] / 2
    tip, base = 0.8, top + hw + 1.6
    return [element("polygon", points=points([(x - 8, base), (x, tip), (x + 8, base)]), fill=fill),
            element("polyline", points=points([(x - 8, top + hw), (x, tip), (x + 8, top + hw)]), fill="none",
                    stroke=paint["rim"], stroke_width=float(look["rim_width"]), stroke_linejoin="round")]


def dropdown_face(style, layout):
    """"dropdown" / "dropdown_favorite": the bar sized for its label's second row,
    and the measures of one panel entry.  No ids at the root ("_default",
    "_mask", ...): the entries' icon buttons have an empty element id."""
    look = style.face
    bar = look["bar"][layout.tone]
    w, h = layout.dropdown_width, layout.dropdown_height
    right = h + 4
    item_y, item_h = h + 8, h + 2
    face = Face(style, w, item_y + item_h)
    three_slices(face, "background", 0, 0, h / 2, w - h / 2 - right, right, h, bar["fill"], bar["rim"],
                 "background_fill", corner=look["text_plate_corner"])
    b = h - 4
    bx, by = w - b - 4, 2
    face.mark("button_placeholder", bx, by, b, b)
    face.mark("text_placeholder", 6, 2, bx - 10, h - 4)
    cx, cy = bx + b / 2, by + b / 2
    for eid, direction in (("expand", "down"), ("collapse", "up")):
        button_states(face, eid, circle_path(cx, cy, b / 2 - look["rim_width"] / 2), frame=(bx, by, b, b),
                      plate_states=("hover", "pressed", "disabled"),
                      glyph_fn=lambda state, direction=direction:
                      [chevron_glyph(cx, cy + (0.6 if direction == "down" else -0.6), b * 0.5, direction,
                                     bar["glyph"] if state == "default" else look["glyph"][state], 1.7)])
    face.mask("item_mask", f"M0 {item_y} H{w} V{item_y + item_h} H0 Z")
    edit = look["edit"]
    face.group("item_background_edit", [face.shape("item_background_edit_fill",
                                                   rounded_rect(1, item_y + 1, w - 2, item_h - 2, 3),
                                                   edit["fill"], edit["rim"])])
    ib = item_h - 4
    face.mark("item_text_placeholder", 6, item_y + 2, w - ib - 16, ib)
    face.mark("item_button_placeholder", w - ib - 4, item_y + 2, ib, ib)
    return face.document()


def dropdown_on_face(style, tone):
    """"dropdown_on" / "dropdown_on_favorite": the entries' icon, "default" to
    choose the entry, "active" while its text is edited."""
    look = style.face
    color, active = look["entry"][tone], look["entry"]["active"]
    frame = element("rect", x=0, y=0, width=FRAME, height=FRAME, fill="none")
    default = [frame, element("circle", cx=32, cy=32, r=22, fill="none", stroke=color, stroke_width=4.0),
               triangle_glyph(34, 32, 22, 0, color)]
    edited = [frame, element("circle", cx=32, cy=32, r=24, fill=active), pencil_glyph(32, 32, 24, "#ffffff")]
    return svg_document([], [bounding_box(), element("g", edited, id="active"), element("g", default, id="default")])


# Command rings.  A ring is an annulus around the control it opens from; its
# segments go clockwise from the top.  Each set of segments covers the whole
# circle: the odd set has a segment centred at the top (an odd number of
# commands sits symmetrically there), the even set has a boundary at the top.
# A single set ("segment_%1") is centred at the top like the odd set.

class RingLayout:
    def __init__(self, size, inner, outer, sets):
        self.size, self.inner, self.outer, self.sets = size, inner, outer, sets


COMMAND_RINGS = {
    "command_control": RingLayout(420, 152, 206, (("odd", 12), ("even", 13))),
    "command_control_2": RingLayout(540, 208, 264, (("odd", 12), ("even", 13))),
    "favorite_command_control": RingLayout(220, 48, 104, (("segment", 5),)),
    "favorite_command_control_2": RingLayout(320, 106, 156, (("odd", 10), ("even", 10))),
}

SEGMENT_GAP = 3.0


def ring_face(style, layout):
    look = style.face
    size, r0, r1 = layout.size, layout.inner, layout.outer
    c = size / 2
    face = Face(style, size, size)
    hw = look["rim_width"] / 2
    annulus = circle_path(c, c, r1 - hw) + " " + circle_path(c, c, r0 + hw)
    face.group("background", [frame_rect(0, 0, size, size),
                              element("path", d=annulus, fill=face.fill("background_fill", look["ring"]),
                                      fill_rule="evenodd", fill_opacity=float(look["ring_opacity"]),
                                      stroke=look["ring_rim"], stroke_width=float(look["rim_width"]))])
    for family, count in layout.sets:
        span = 360.0 / count
        first = -90 - span / 2 if family != "even" else -90.0
        for number in range(1, count + 1):
            start = first + (number - 1) * span
            ring_segment(face, family, number, c, r0, r1, start, start + span)
    return face.document()


def ring_segment(face, family, number, c, r0, r1, start, end):
    """One segment: its states, mask, icon box and expand indicator."""
    look = face.look
    mid_radius = (r0 + r1) / 2
    gap = math.degrees(SEGMENT_GAP / 2 / mid_radius)
    d = sector_path(c, c, r0 + 2, r1 - 2, start + gap, end - gap)
    eid = f"{family}_{number}"
    face.mask(eid + "_mask", d)
    centre = polar(c, c, mid_radius, (start + end) / 2)
    chord = 2 * mid_radius * math.sin(math.radians(end - start) / 2)
    box = min(r1 - r0, chord) * 0.66
    face.mark(eid + "_content_placeholder", centre[0] - box / 2, centre[1] - box / 2, box, box)
    for state in BUTTON_STATES[1:] + BUTTON_STATES[:1]:
        # One gradient per family and state: every segment of a set looks alike.
        face.group(f"{eid}_{state}", [face.shape(f"{family}_{state}_fill", d, look["plate"][state],
                                                 look["rim"][state])])
    indicator = "expand_indicator_" + (f"{family}_{number}" if family != "segment" else str(number))
    angle = (start + end) / 2
    tip = polar(c, c, r1 - 7, angle)
    for state in ("disabled", "default"):
        face.group(f"{indicator}_{state}", [triangle_glyph(tip[0], tip[1], 6, angle, look["glyph"][state])])


# The main gadget: the carousel ("navigation"), its back face ("info") and the
# favourite ("favorite").  The carousel is a disc of radius 150 around its
# centre button; its five segments fill the lower half of a band round the
# centre, the previous, home and next buttons the upper half.  Travelling icons
# run along an arc through the segments' centres and show only inside the
# segment band.  Labels hang below the disc, staggered so that none overlaps;
# while a command ring is open they move outwards along their rays until they
# clear the ring.  Rings, labels and the full-screen buttons may lie outside
# the document: the controls place them as child items.

class GadgetLayout:
    """Measures of the carousel and its info face, in document units."""
    size = 320
    centre = 160
    radius = 150
    hub = 48
    band = (58, 140)
    segments = 5
    segment_span = 36.0
    button = 28
    fullscreen_button = 32


def segment_angle(number):
    """Centre angle of a segment: number 1 on the left, the others following
    anticlockwise on screen through the bottom of the disc."""
    return 180 - GadgetLayout.segment_span * (number - 0.5)


def info_glyph(cx, cy, size, color, width=1.8):
    s = size / 2
    return [glyph_stroke(f"M{num(cx)} {num(cy - s * 0.15)} V{num(cy + s)}", color, width),
            element("circle", cx=float(cx), cy=float(cy - s * 0.7), r=float(width * 0.75), fill=color)]


def house_glyph(cx, cy, size, color, width=1.6):
    s = size / 2
    roof = f"M{num(cx - s)} {num(cy - s * 0.05)} L{num(cx)} {num(cy - s)} L{num(cx + s)} {num(cy - s * 0.05)}"
    body = (f"M{num(cx - s * 0.7)} {num(cy - s * 0.3)} V{num(cy + s)} H{num(cx + s * 0.7)}"
            f" V{num(cy - s * 0.3)}")
    return [glyph_stroke(roof + " " + body, color, width)]


def back_glyph(cx, cy, size, color, width=1.6):
    s = size / 2
    return [glyph_stroke(f"M{num(cx + s)} {num(cy + s * 0.6)} V{num(cy)} A{num(s * 0.5)} {num(s * 0.5)} 0 0 0"
                         f" {num(cx + s * 0.5)} {num(cy - s * 0.5)} H{num(cx - s)}"
                         f" M{num(cx - s * 0.5)} {num(cy - s)} L{num(cx - s)} {num(cy - s * 0.5)}"
                         f" L{num(cx - s * 0.5)} {num(cy)}", color, width)]


def resize_glyph(cx, cy, size, color, width=1.6):
    s = size / 2
    h = s * 0.55
    return [glyph_stroke(f"M{num(cx - s)} {num(cy + s)} L{num(cx + s)} {num(cy - s)}"
                         f" M{num(cx + s - h)} {num(cy - s)} H{num(cx + s)} V{num(cy - s + h)}"
                         f" M{num(cx - s)} {num(cy + s - h)} V{num(cy + s)} H{num(cx - s + h)}", color, width)]


def flip_glyph(cx, cy, size, color, width=1.6):
    """Two half-turn arrows: turn the gadget over."""
    r = size / 2
    parts = []
    for start, end in ((200, 340), (20, 160)):
        tip = polar(cx, cy, r, end)
        head = [polar(tip[0], tip[1], size * 0.3, end + 90 + 180 - 40), tip,
                polar(tip[0], tip[1], size * 0.3, end + 90 + 180 + 40)]
        parts.append(glyph_stroke(arc_path(cx, cy, r, start, end) + " M" +
                                  " L".join(f"{num(x)} {num(y)}" for x, y in head), color, width))
    return parts


def chevron_side_glyph(cx, cy, size, degrees, color, width=1.8):
    """Open chevron pointing along degrees."""
    tip = polar(cx, cy, size * 0.3, degrees)
    a = polar(cx, cy, size * 0.3, degrees + 120)
    b = polar(cx, cy, size * 0.3, degrees - 120)
    return [glyph_stroke(f"M{num(a[0])} {num(a[1])} L{num(tip[0])} {num(tip[1])} L{num(b[0])} {num(b[1])}",
                         color, width)]


def gear_path(cx, cy, outer, inner, hole, teeth=8):
    pts = []
    step = 360.0 / teeth
    for k in range(teeth):
        a = k * step - 90
        for da, r in ((-step * 0.22, outer), (step * 0.22, outer), (step * 0.32, inner), (step * 0.68, inner)):
            pts.append(polar(cx, cy, r, a + da))
    ring = "M" + " L".join(f"{num(x)} {num(y)}" for x, y in pts) + " Z"
    return ring + " " + circle_path(cx, cy, hole)


def move_indicator(face, c, radius, gid):
    """Dashed ring and four outward arrows: the gadget is being moved.  Drawn
    first, so that a viewer of the whole file sees the face at rest."""
    look = face.look
    color = look["carousel"]["indicator"]
    parts = [element("circle", cx=float(c[0]), cy=float(c[1]), r=float(radius), fill="none", stroke=color,
                     stroke_width=2.4, stroke_dasharray="7 5")]
    for angle in (0, 90, 180, 270):
        tip = polar(c[0], c[1], radius - 6, angle)
        parts.append(triangle_glyph(tip[0], tip[1], 10, angle, color))
    face.body.insert(0, element("g", parts, id=gid))


def round_button(face, eid, cx, cy, size, glyph_fn, plate_states=BUTTON_STATES):
    """A round button of diameter size centred at (cx, cy)."""
    hw = face.look["rim_width"] / 2
    button_states(face, eid, circle_path(cx, cy, size / 2 - hw), frame=(cx - size / 2, cy - size / 2, size, size),
                  plate_states=plate_states, mask_d=circle_path(cx, cy, size / 2),
                  glyph_fn=glyph_fn)


def disc_background(face, c, r):
    look = face.look["carousel"]
    hw = face.look["rim_width"] / 2
    parts = [element("path", d=circle_path(c, c, r - hw), fill=face.fill("disc_fill", look["disc"]),
                     stroke=look["disc_rim"], stroke_width=float(face.look["rim_width"]))]
    parts += face.gloss("gloss", f"M{num(c - r * 0.8)} {num(c - r * 0.35)} A{num(r * 0.9)} {num(r * 0.9)} 0 0 1"
                                 f" {num(c + r * 0.8)} {num(c - r * 0.35)} A{num(r * 1.6)} {num(r * 1.6)} 0 0 0"
                                 f" {num(c - r * 0.8)} {num(c - r * 0.35)} Z")
    return parts


def band_sector(c, angle, span):
    r0, r1 = GadgetLayout.band
    mid = (r0 + r1) / 2
    gap = math.degrees(SEGMENT_GAP / 2 / mid)
    return sector_path(c, c, r0, r1, angle - span / 2 + gap, angle + span / 2 - gap)


def nearest_distance(c, x, y, w, h):
    """Distance from the point (c, c) to the nearest point of a rectangle."""
    return math.hypot(c - min(max(c, x), x + w), c - min(max(c, y), y + h))


def navigation_labels(face, c, clear_radius, suffix):
    """tooltip_%1_placeholder and slider_%1_placeholder for one layout state.

    Each label block (label and the slider under it) hangs from a spot below
    the disc.  While a ring is open the spots spread out from the centre by
    one common factor, the smallest that clears the ring: spreading keeps the
    blocks apart as they are when closed."""
    label, slider_h = NAVIGATION_LABEL, 18
    w, h = label.width, label.tail + label.row_height
    # (centre x, top) of each label while no ring is open; staggered so that
    # even two-row labels with their sliders do not overlap.
    spots = [(-75, 250), (70, 326), (160, 408), (250, 326), (395, 250)]

    def placed(factor):
        return [(c + (x - c) * factor - w / 2, c + (top - c) * factor) for x, top in spots]

    factor = 1.0
    while any(nearest_distance(c, x, y, w, h + slider_h) < clear_radius for x, y in placed(factor)):
        factor += 0.01
    for number, (x, y) in enumerate(placed(factor), start=1):
        face.mark(f"tooltip_{number}_placeholder{suffix}", x, y, w, h)
        face.mark(f"slider_{number}_placeholder{suffix}", x, y + h, w, slider_h)


def navigation_face(style):
    look = style.face
    L = GadgetLayout
    c, size = L.centre, L.size
    r0, r1 = L.band
    mid = (r0 + r1) / 2
    face = Face(style, size, size)
    glyph = look["glyph"]

    # Background: the disc with the segment band at rest, as the skin preview shows it.
    background = [frame_rect(c - L.radius, c - L.radius, 2 * L.radius, 2 * L.radius)]
    background += disc_background(face, c, L.radius)
    background += [face.shape("band_fill", band_sector(c, segment_angle(n), L.segment_span),
                              look["plate"]["default"], look["rim"]["default"]) for n in range(1, L.segments + 1)]
    face.group("background", background)

    face.mask("content_area_mask", sector_path(c, c, r0, r1, 0, 180))
    start, end = 180 + L.segment_span / 2, -L.segment_span / 2
    a, b = polar(c, c, mid, start), polar(c, c, mid, end)
    # Drawn under the background: read back by drawing it, never seen.
    face.marks.append(element("path", id="animation_path",
                              d=f"M{num(a[0])} {num(a[1])} A{num(mid)} {num(mid)} 0 1 0 {num(b[0])} {num(b[1])}",
                              fill="none", stroke=look["carousel"]["disc_rim"], stroke_width=1.0))

    for n in range(1, L.segments + 1):
        angle = segment_angle(n)
        eid = f"segment_{n}"
        d = band_sector(c, angle, L.segment_span)
        face.mask(eid + "_mask", d)
        centre = polar(c, c, mid, angle)
        box = 46
        face.mark(eid + "_content_placeholder", centre[0] - box / 2, centre[1] - box / 2, box, box)
        for state in BUTTON_STATES[1:] + BUTTON_STATES[:1]:
            face.group(f"{eid}_{state}", [face.shape(f"segment_{state}_fill", d, look["plate"][state],
                                                     look["rim"][state])])
        tip = polar(c, c, r1 - 7, angle)
        for state in ("disabled", "default"):
            face.group(f"expand_indicator_{n}_{state}", [triangle_glyph(tip[0], tip[1], 6, angle, glyph[state])])

    # Upper half: previous (left), home or the back/home pair (top), next (right).
    for eid, angle, span, glyph_fn in (
            ("previous", 210, 60, lambda p, s: chevron_side_glyph(p[0], p[1], 22, 180, glyph[s])),
            ("next", 330, 60, lambda p, s: chevron_side_glyph(p[0], p[1], 22, 0, glyph[s])),
            ("home", 270, 60, lambda p, s: house_glyph(p[0], p[1], 18, glyph[s])),
            ("back_split", 255, 30, lambda p, s: back_glyph(p[0], p[1], 14, glyph[s])),
            ("home_split", 285, 30, lambda p, s: house_glyph(p[0], p[1], 14, glyph[s]))):
        d = band_sector(c, angle, span)
        x0 = polar(c, c, mid, angle)
        box = [polar(c, c, r, a) for r in (r0, r1) for a in (angle - span / 2, angle, angle + span / 2)]
        xs, ys = [p[0] for p in box], [p[1] for p in box]
        button_states(face, eid, d, frame=(min(xs), min(ys), max(xs) - min(xs), max(ys) - min(ys)),
                      glyph_fn=lambda state, glyph_fn=glyph_fn, x0=x0: glyph_fn(x0, state))

    hw = look["rim_width"] / 2
    button_states(face, "move", circle_path(c, c, L.hub - hw), frame=(c - L.hub, c - L.hub, 2 * L.hub, 2 * L.hub),
                  mask_d=circle_path(c, c, L.hub),
                  glyph_fn=lambda state: face.gloss("gloss", rounded_rect(c - 30, c - 44, 60, 30, 15)))
    face.mark("move_content_placeholder", c - 32, c - 32, 64, 64)
    face.mark("hotspot", c - 4, c - 4, 8, 8)

    b = L.button
    corner = b / 2 + 8
    for eid, x, y, glyph_fn in (("refresh", corner, corner, refresh_glyph),
                                ("close", size - corner, corner, cross_glyph),
                                ("info", corner, size - corner, info_glyph),
                                ("resize", size - corner, size - corner, resize_glyph)):
        def draw(state, x=x, y=y, glyph_fn=glyph_fn):
            shapes = glyph_fn(x, y, b * 0.42, glyph[state])
            return shapes if isinstance(shapes, list) else [shapes]
        round_button(face, eid, x, y, b, draw)

    # Each ring grows into a square of its drawn size round the disc.
    for eid, ring in (("command_control_placeholder", "command_control"),
                      ("command_control_2_placeholder", "command_control_2")):
        side = COMMAND_RINGS[ring].size
        face.mark(eid, c - side / 2, c - side / 2, side, side)
    navigation_labels(face, c, 0, "")
    ring_radius = {1: COMMAND_RINGS["command_control"].outer, 2: COMMAND_RINGS["command_control_2"].outer}
    navigation_labels(face, c, ring_radius[1] + 6, "_expanded")
    navigation_labels(face, c, ring_radius[2] + 6, "_expanded_2")

    move_indicator(face, (c, c), L.radius - 4, "move_indicator")
    fullscreen_buttons(face)
    return face.document()


def fullscreen_buttons(face):
    """info_fullscreen, close_fullscreen, refresh_fullscreen, flip_fullscreen.

    The full-screen buttons stand alone at the corners of the screen, placed
    by their top left: each is drawn at the document's origin.  They live in
    <defs>, so that a viewer of the whole file does not see them stacked."""
    look = face.look
    s = GadgetLayout.fullscreen_button
    cx = cy = s / 2
    hw = look["rim_width"] / 2
    saved_masks, saved_body = face.masks, face.body
    face.masks, face.body = [], []
    for eid, glyph_fn in (("info_fullscreen", info_glyph), ("close_fullscreen", cross_glyph),
                          ("refresh_fullscreen", refresh_glyph), ("flip_fullscreen", flip_glyph)):
        def draw(state, glyph_fn=glyph_fn):
            shapes = glyph_fn(cx, cy, s * 0.42, look["glyph"][state])
            return shapes if isinstance(shapes, list) else [shapes]
        button_states(face, eid, circle_path(cx, cy, s / 2 - hw), frame=(0, 0, s, s),
                      mask_d=circle_path(cx, cy, s / 2), glyph_fn=draw)
    face.defs += face.masks + face.body
    face.masks, face.body = saved_masks, saved_body


def info_face(style):
    """"info": the back of the carousel, the same size so that it flips cleanly."""
    look = style.face
    L = GadgetLayout
    c, size = L.centre, L.size
    face = Face(style, size, size)
    face.group("background", [frame_rect(c - L.radius, c - L.radius, 2 * L.radius, 2 * L.radius)]
               + disc_background(face, c, L.radius))
    face.mark("text_placeholder", c - 100, c - 76, 200, 56)
    x, y, w, h = c - 70, c + 8, 140, 44
    action = look["carousel"]["action"]
    hw = look["rim_width"] / 2
    plate = rounded_rect(x + hw, y + hw, w - 2 * hw, h - 2 * hw, h / 2)
    face.mask("configure_mask", rounded_rect(x, y, w, h, h / 2))
    for state in BUTTON_STATES[1:] + BUTTON_STATES[:1]:
        face.group(f"configure_{state}", [face.shape(f"configure_{state}_fill", plate, action[state],
                                                     look["carousel"]["action_rim"][state])]
                   + face.gloss("gloss", rounded_rect(x + 6, y + 3, w - 12, h * 0.42, h * 0.2)))
    face.mark("configure_content_placeholder", x + 12, y + 4, w - 24, h - 8)
    round_button(face, "flip", c, c + 100, 36, lambda state: flip_glyph(c, c + 100, 16, look["glyph"][state]))
    move_indicator(face, (c, c), L.radius - 4, "move_indicator")
    return face.document()


def configure_icon(style):
    """"configure": the configure button's icon, a gear in the button's text colour."""
    color = style.face["carousel"]["action_text"]
    frame = element("rect", x=0, y=0, width=FRAME, height=FRAME, fill="none")
    gear = element("path", d=gear_path(32, 32, 26, 19, 8), fill=color, fill_rule="evenodd")
    return svg_document([], [bounding_box(), element("g", [frame, gear], id="default")])


def favorite_icon_spots(c, reach, icon):
    """Centres of the small icons just outside a circle of radius reach:
    refresh and close on the upper diagonals, resize to the right."""
    d = (reach + 6) / math.sqrt(2) + icon / 2
    return {"refresh": (c[0] - d, c[1] - d), "close": (c[0] + d, c[1] - d),
            "resize": (c[0] + reach + 6 + icon / 2, c[1])}


def favorite_face(style):
    """"favorite": the centre button, the ring targets and where label, slider,
    value text and the three small icons sit in each layout state."""
    look = style.face
    size = 240
    c = (120, 96)
    hub = 44
    face = Face(style, size, size)
    hw = look["rim_width"] / 2
    button_states(face, "move", circle_path(*c, hub - hw), frame=(c[0] - hub, c[1] - hub, 2 * hub, 2 * hub),
                  mask_d=circle_path(*c, hub),
                  glyph_fn=lambda state: face.gloss("gloss", rounded_rect(c[0] - 28, c[1] - 40, 56, 28, 14)))
    face.mark("move_content_placeholder", c[0] - 30, c[1] - 32, 60, 64)
    face.mark("hotspot", c[0] - 4, c[1] - 4, 8, 8)
    rings = (COMMAND_RINGS["favorite_command_control"], COMMAND_RINGS["favorite_command_control_2"])
    for eid, ring in (("command_control_placeholder", rings[0]), ("command_control_2_placeholder", rings[1])):
        face.mark(eid, c[0] - ring.size / 2, c[1] - ring.size / 2, ring.size, ring.size)
    label_w, label_h, slider_h = 200, FAVORITE_LABEL.row_height, 18
    icon = 24
    # Closed, the label hangs under the centre button and the icons keep clear
    # of the label; open, everything clears the open ring.
    for suffix, label_reach, reach in (("", hub, 88), ("_expanded", rings[0].size / 2, rings[0].size / 2),
                                       ("_expanded_2", rings[1].size / 2, rings[1].size / 2)):
        top = c[1] + label_reach + 6
        face.mark("label_placeholder" + suffix, c[0] - label_w / 2, top, label_w, label_h)
        face.mark("slider_placeholder" + suffix, c[0] - label_w / 2, top + label_h, label_w, slider_h)
        face.mark("value_placeholder" + suffix, c[0] - label_w / 2, top + label_h, label_w, slider_h)
        for eid, (x, y) in favorite_icon_spots(c, reach, icon).items():
            face.mark(f"{eid}_placeholder{suffix}", x - icon / 2, y - icon / 2, icon, icon)
    for eid, glyph_fn in (("refresh", refresh_glyph), ("close", cross_glyph), ("resize", resize_glyph)):
        x, y = favorite_icon_spots(c, 88, icon)[eid]
        def draw(state, x=x, y=y, glyph_fn=glyph_fn):
            shapes = glyph_fn(x, y, icon * 0.42, look["glyph"][state])
            return shapes if isinstance(shapes, list) else [shapes]
        round_button(face, eid, x, y, icon, draw)
    move_indicator(face, c, hub + 6, "move_indicator")
    return face.document()


def solid_background(style):
    """"non_transparent_background": drawn whole behind the gadget where the
    window cannot be transparent."""
    face = Face(style, 100, 100)
    face.body.append(element("rect", x=0, y=0, width=100, height=100,
                             fill=face.fill("solid_fill", style.face["carousel"]["solid"])))
    return face.document()


def face_files(style):
    """(file name, text) of every control face of one theme."""
    yield "button", button_face(style)
    yield "button_userconfiguration", user_configuration_button_face(style)
    yield "scroller", scroller_face(style)
    yield "scroll_decrease", scroll_arrow_face(style, -90)
    yield "scroll_increase", scroll_arrow_face(style, 90)
    yield "window_frame", window_frame_face(style)
    yield "slider", slider_face(style)
    yield "tooltip", label_face(style, NAVIGATION_LABEL)
    yield "favorite_label", label_face(style, FAVORITE_LABEL)
    yield "dropdown", dropdown_face(style, NAVIGATION_LABEL)
    yield "dropdown_favorite", dropdown_face(style, FAVORITE_LABEL)
    yield "dropdown_on", dropdown_on_face(style, "navigation")
    yield "dropdown_on_favorite", dropdown_on_face(style, "favorite")
    for name, layout in COMMAND_RINGS.items():
        yield name, ring_face(style, layout)
    yield "navigation", navigation_face(style)
    yield "info", info_face(style)
    yield "configure", configure_icon(style)
    yield "favorite", favorite_face(style)
    yield "non_transparent_background", solid_background(style)


# --------------------------------------------------------------------------
# theme.ini and style sheets


# Text of the controls: (font size, weight, colour, ...) per control id.  Colours
# are AARRGGBB, weights on the 0..99 scale (50 normal, 75 bold), gradients
# "position colour ..." pairs.
CONTROL_TEXT = {
    "CorvaneTheme": dict(
        segment=("FFFFFFFF", "FFE8F1FF"),
        move=("FFFFFFFF", "FFE8F1FF"), version="FFFFFFFF", title="FFFFFFFF",
        navigation=dict(color="FF000E73", edit=("FF000E73", "FFFFFFFF", "FFFFFFFF", "FF1766DC"),
                        bar="FF000E73", items="FF000E73", panel="0.0 FFD6D6D6 1.0 FFFFFFFF"),
        favorite=dict(color="FFFFFFFF", edit=("FF000E73", "FFFFFFFF", "FFFFFFFF", "FF1766DC"),
                      bar="FFEAF2FF", items="FFEAF2FF", panel="0.0 ff4c4c4c 0.5 ff535353 1.0 ff666666"),
        slider="0.0 FFD6D6D6 1.0 FFD6D6D6", slider_backing="FF0B2456"),
    "TalveraTheme": dict(
        segment=("FF231F2B", "FF231F2B"),
        move=("FF231F2B", "FF3D1F5C"), version="FF3B3645", title="FF3B3645",
        # The drop-down lists are light, as the theme's menus and tool tips.
        navigation=dict(color="FF3B3645", edit=("FF3B3645", "FFFFFFFF", "FFFFFFFF", "FF7A3DB0"),
                        bar="FF3B3645", items="FF3B3645", panel="0.0 FFFBFAFD 1.0 FFEEEAF4"),
        favorite=dict(color="FF3B3645", edit=("FF3B3645", "FFFFFFFF", "FFFFFFFF", "FF7A3DB0"),
                      bar="FF3B3645", items="FF3B3645", panel="0.0 FFFBFAFD 1.0 FFEEEAF4"),
        # The value under a slider lies over the desktop, on a plate of its
        # own: the theme's purple on its light ground reads on any desktop.
        slider="0.0 FF7A3DB0 1.0 FF7A3DB0", slider_backing="FFFBFAFD"),
}

EDIT_COLOR_KEYS = ("edit_color", "edit_background_color", "edit_selection_color",
                   "edit_selection_background_color")


def label_keys(prefix, size, text):
    """Keys of a label (carousel or favourite), its drop-down bar, panel and entries."""
    drop_down, item = prefix + "_drop_down", prefix + "_drop_down_item"
    keys = [(prefix + "_font_size", size), (prefix + "_color", text["color"])]
    keys += [(f"{prefix}_{key}", color) for key, color in zip(EDIT_COLOR_KEYS, text["edit"])]
    keys += [(drop_down + "_font_size", size), (drop_down + "_font_weight", 50),
             (drop_down + "_font_color", text["bar"]), (drop_down + "_panel_back_color", text["panel"]),
             (item + "_font_size", size), (item + "_font_weight", 50), (item + "_font_color", text["items"])]
    keys += [(f"{item}_{key}", color) for key, color in zip(EDIT_COLOR_KEYS, text["edit"])]
    return keys


def theme_ini(style):
    text = CONTROL_TEXT[style.folder]
    keys = [("skin_name", style.skin_name), ("scroller_thumb_is_orientation_invariant", 1),
            ("segment_font_color", text["segment"][0]), ("segment_second_font_color", text["segment"][1]),
            ("segment_font_size", 10), ("segment_font_weight", 75)]
    keys += label_keys("label_navigation", 10, text["navigation"])
    keys += label_keys("label_favorite", 12, text["favorite"])
    keys += [("slider_font_color", text["slider"]), ("slider_font_size", 11), ("slider_font_weight", 75),
             ("slider_value_backing_color", text["slider_backing"])]
    for control in ("move", "move_favorite"):
        keys += [(control + "_font_color", text["move"][0]), (control + "_second_font_color", text["move"][1]),
                 (control + "_font_size", 10), (control + "_font_weight", 75)]
    # The configure button's text is white on its accent plate in both themes.
    keys += [("configure_font_color", "FFFFFFFF"), ("configure_second_font_color", "FFFFFFFF"),
             ("configure_font_size", 12), ("configure_font_weight", 75),
             ("version_font_color", text["version"]), ("version_font_size", 11), ("version_font_weight", 50)]
    for frame in ("energy", "webserver", "load"):
        keys += [(frame + "_title_font_color", text["title"]), (frame + "_title_font_size", 12),
                 (frame + "_title_font_weight", 75)]
    keys += data_face_keys(style)
    return "[General]\n" + "".join(f"{key}={value}\n" for key, value in keys)


MAIN_UI_COLORS = {
    "CorvaneTheme": dict(back="#0f2a63", border="#3f83e6", text="#eaf2ff", disabled="#7f93b8",
                         select_top="#2585d8", select_bottom="#06337f", select_text="#ffffff",
                         separator="#2f5394"),
    "TalveraTheme": dict(back="#fbfafd", border="#dad4e5", text="#3b3645", disabled="#b3aebd",
                         select_top="#8f4fc6", select_bottom="#8f4fc6", select_text="#ffffff",
                         separator="#e6e1ee"),
}


def main_ui_qss(style):
    c = MAIN_UI_COLORS[style.folder]
    selection = (f"qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 {c['select_top']},"
                 f" stop:1 {c['select_bottom']})")
    return f"""QMenu {{
    background-color: {c['back']};
    border: 1px solid {c['border']};
    border-radius: 4px;
    padding: 4px 0px;
    color: {c['text']};
}}

QMenu::item {{
    background: transparent;
    padding: 5px 24px 5px 14px;
}}

QMenu::item:selected {{
    background: {selection};
    color: {c['select_text']};
}}

QMenu::item:disabled {{
    color: {c['disabled']};
}}

QMenu::separator {{
    height: 1px;
    background: {c['separator']};
    margin: 4px 8px;
}}

QToolTip {{
    background-color: {c['back']};
    color: {c['text']};
    border: 1px solid {c['border']};
    padding: 3px;
}}
"""


CHOICES = ("#changeLanguageChoice", "#hideLabelsChoice", "#goHomepageChoice",
           "#temperatureUnitChoice", "#launchAtStartupChoice")
ROW_CAPTIONS = ("#openProject", "#changeLanguage", "#widgetDimension", "#widgetTransparency",
                "#hideLabels", "#goHomepage", "#temperatureUnit", "#launchAtStartup")
GREY_GROOVE = "qlineargradient(x1:0, y1:0, x2:1, y2:0, stop:0 #5c5c5c, stop:1 #9a9a9a)"


def selectors(names, suffix=""):
    return ",\n".join(name + suffix for name in names)


def dialog_qss():
    """The user settings dialog: the same rules in both themes, only the bitmaps differ."""
    return f"""#mainConfigWindow {{
    border: none;
}}

#content {{
    background-color: rgba(0, 0, 0, 214);
    border: 1px solid grey;
}}

#titleBar {{
    background: transparent;
}}

#titleContent {{
    border: 1px solid grey;
    border-bottom: none;
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 rgba(102, 102, 102, 241),
                                stop:0.37 rgba(0, 0, 0, 241), stop:1 rgba(0, 0, 0, 214));
}}

#titleContent QLabel {{
    color: white;
    font-weight: bold;
    background: transparent;
    margin-left: 8px;
}}

#titleContent QToolButton {{
    background: transparent;
    border: none;
    min-width: 25px;
    max-width: 25px;
    min-height: 25px;
    max-height: 25px;
}}

#closeBtn {{
    image: url(:/Images/titlebar_close.png);
}}

#minimizeBtn {{
    image: url(:/Images/titlebar_minimize.png);
}}

#separator {{
    max-width: 1px;
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 rgba(255, 255, 255, 0),
                                stop:0.2 white, stop:0.8 white, stop:1 rgba(255, 255, 255, 0));
}}

#browse, #reload, #ok, #cancel {{
    color: white;
}}

#lineDecrease, #lineIncrease, #skinPrevious, #skinNext {{
    background: transparent;
    border: none;
}}

#lineDecrease:pressed, #lineIncrease:pressed, #skinPrevious:pressed, #skinNext:pressed {{
    margin-left: 2px;
    margin-top: 2px;
}}

#sliderPreferences QSlider {{
    width: 14px;
    background: transparent;
    margin-top: 6px;
    margin-bottom: 6px;
}}

#sliderPreferences QSlider::groove:vertical {{
    width: 4px;
    background: {GREY_GROOVE};
    border-radius: 2px;
}}

#sliderPreferences QSlider::handle:vertical {{
    image: url(__theme_scrollbar_thumb.png);
    width: 14px;
    height: 13px;
    margin: 0px -5px;
}}

#sliderDimension QSlider, #sliderTransparency QSlider {{
    height: 12px;
    background: transparent;
}}

#sliderDimension QSlider::groove:horizontal, #sliderTransparency QSlider::groove:horizontal {{
    height: 4px;
    margin: 6px 7px 0px 7px;
    background: {GREY_GROOVE};
    border-radius: 2px;
}}

#sliderDimension QSlider::handle:horizontal, #sliderTransparency QSlider::handle:horizontal {{
    image: url(__theme_slider_thumb.png);
    width: 15px;
    height: 12px;
    margin: -6px -7px -2px -7px;
}}

#minTick, #maxTick, #valueText {{
    color: rgb(180, 180, 180);
    background: transparent;
}}

#minTick, #maxTick {{
    margin-left: 5px;
    margin-right: 5px;
}}

{selectors(CHOICES)} {{
    color: rgb(180, 180, 180);
    font-weight: bold;
    background: transparent;
    border: none;
    height: 18px;
    margin-left: 8px;
    margin-right: 8px;
}}

{selectors(CHOICES, "::drop-down")} {{
    background: black;
    border: none;
    width: 13px;
    height: 16px;
}}

{selectors(CHOICES, "::down-arrow")} {{
    image: url(__theme_DownArrow.png);
    width: 7px;
    height: 7px;
}}

{selectors(CHOICES, "::down-arrow:on")} {{
    top: 1px;
    left: 1px;
}}

{selectors(CHOICES, " QAbstractItemView")} {{
    color: white;
    font-weight: bold;
    background: rgba(0, 0, 0, 214);
    selection-background-color: white;
    selection-color: rgb(102, 102, 102);
}}

#preferences, #changeSkin,
{selectors(ROW_CAPTIONS)} {{
    color: white;
    font-weight: bold;
    background: transparent;
}}

{selectors(ROW_CAPTIONS)} {{
    margin-left: 5px;
    margin-right: 5px;
}}

/* A setting that cannot apply (the gadget's size in full-screen mode, its
   transparency where the desktop shows no translucent windows) is greyed. */
#widgetDimension:disabled, #widgetTransparency:disabled, #minTick:disabled, #maxTick:disabled {{
    color: rgb(105, 105, 105);
}}

#sliderDimension QSlider::groove:horizontal:disabled, #sliderTransparency QSlider::groove:horizontal:disabled {{
    background: rgb(70, 70, 70);
}}

#sliderDimension QSlider::handle:horizontal:disabled, #sliderTransparency QSlider::handle:horizontal:disabled {{
    image: none;
    background: rgb(105, 105, 105);
    border-radius: 6px;
}}

#skinPreview, #preferencesContainer, #preferencesScrollArea {{
    background: transparent;
    border: none;
}}

#skinName, #skinNumber, #projectFilePath {{
    color: rgb(180, 180, 180);
    font-weight: bold;
    background: transparent;
}}

#projectFilePath {{
    border: none;
    selection-background-color: white;
    selection-color: rgb(102, 102, 102);
}}
"""


# --------------------------------------------------------------------------
# PNG bitmaps (RGBA, written with zlib)


def png(width, height, pixel):
    """PNG bytes of an RGBA image; pixel(x, y) gives (r, g, b, a) as 0..255."""
    rows = []
    previous = [0] * (width * 4)
    for y in range(height):
        row = []
        for x in range(width):
            row.extend(max(0, min(255, round(v))) for v in pixel(x, y))
        rows.append(b"\x02" + bytes((c - p) & 0xFF for c, p in zip(row, previous)))  # "up" filter
        previous = row

    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data
                + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))

    header = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
            + chunk(b"IDAT", zlib.compress(b"".join(rows), 9)) + chunk(b"IEND", b""))


def rgb(color):
    return tuple(int(color[i:i + 2], 16) for i in (1, 3, 5))


def lerp(a, b, t):
    return tuple(x + (y - x) * t for x, y in zip(a, b))


def coverage(inside, x, y, samples=4):
    """Share of the pixel (x, y) whose sample points lie inside the shape."""
    hits = 0
    for i in range(samples):
        for j in range(samples):
            hits += inside(x + (i + 0.5) / samples, y + (j + 0.5) / samples)
    return hits / (samples * samples)


def in_rounded_rect(x0, y0, x1, y1, r):
    def inside(x, y):
        if not (x0 <= x <= x1 and y0 <= y <= y1):
            return False
        cx = min(max(x, x0 + r), x1 - r)
        cy = min(max(y, y0 + r), y1 - r)
        return (x - cx) ** 2 + (y - cy) ** 2 <= r * r
    return inside


def in_triangle(a, b, c):
    def side(p, q, x, y):
        return (q[0] - p[0]) * (y - p[1]) - (q[1] - p[1]) * (x - p[0])

    def inside(x, y):
        s1, s2, s3 = side(a, b, x, y), side(b, c, x, y), side(c, a, x, y)
        return (s1 >= 0 and s2 >= 0 and s3 >= 0) or (s1 <= 0 and s2 <= 0 and s3 <= 0)
    return inside


def layered(layers):
    """pixel function painting (shape, colour function) layers over transparency."""
    def pixel(x, y):
        color, alpha = (0.0, 0.0, 0.0), 0.0
        for inside, paint in layers:
            a = coverage(inside, x, y)
            if a == 0:
                continue
            top = paint(x + 0.5, y + 0.5)
            a *= top[3] / 255
            out = a + alpha * (1 - a)
            color = tuple((t * a + c * alpha * (1 - a)) / out for t, c in zip(top[:3], color))
            alpha = out
        return (*color, alpha * 255)
    return pixel


def vertical(top, bottom, height, alpha=255):
    return lambda x, y: (*lerp(rgb(top), rgb(bottom), y / height), alpha)


BITMAP_COLORS = {
    "CorvaneTheme": dict(backdrop=("#1f52ab", "#050f29"), arrow="#cfe3ff",
                         thumb=("#8fdcff", "#1766dc"), thumb_rim="#061a4a"),
    "TalveraTheme": dict(backdrop=("#fbfafd", "#d9d3e6"), arrow="#e6d9f5",
                         thumb=("#b57ee0", "#a666d9"), thumb_rim="#f5f3f8"),
}


def backdrop_png(style, width=384, height=216):
    centre, edge = (rgb(c) for c in BITMAP_COLORS[style.folder]["backdrop"])

    def pixel(x, y):
        dx = (x - width / 2) / (width / 2)
        dy = (y - height * 0.42) / (height / 2)
        t = min(1.0, math.sqrt(dx * dx * 0.6 + dy * dy * 0.8))
        return (*lerp(centre, edge, t * t * (3 - 2 * t)), 255)
    return png(width, height, pixel)


def down_arrow_png(style):
    arrow = (*rgb(BITMAP_COLORS[style.folder]["arrow"]), 255)
    shape = in_triangle((0.2, 1.5), (6.8, 1.5), (3.5, 5.8))
    return png(7, 7, layered([(shape, lambda x, y: arrow)]))


def thumb_png(style, width, height, radius):
    colors = BITMAP_COLORS[style.folder]
    rim = (*rgb(colors["thumb_rim"]), 255)
    return png(width, height, layered([
        (in_rounded_rect(0, 0, width, height, radius), lambda x, y: rim),
        (in_rounded_rect(1, 1, width - 1, height - 1, radius - 1), vertical(*colors["thumb"], height)),
    ]))


# --------------------------------------------------------------------------
# Writing the themes


# --------------------------------------------------------------------------
# Data faces: the energy data view and its tariff back, the load-management
# face and the webserver information face.  Their texts are painted by the
# controls from the theme.ini keys of data_face_keys(); every text colour is
# chosen for a contrast of at least 4.5:1 against the ground it lies on.

DATA_FACES = {
    "CorvaneTheme": dict(
        panel=("#123a86", "#061433"), rim="#3f83e6", well=("#0a1f4d", "#07163a"), well_rim="#2f5fb8",
        field=("#06122e", "#0d2658"), field_rim="#6fb4ff", strip="#0e2c66",
        text="FFFFFFFF", accent_text="FFD2F3FF",
        progress=dict(back="0.0 FF06122E 1.0 FF17387A", fill="0.0 FF8FDCFF 1.0 FF1766DC", border="FF6FD0FF",
                      label="0.0 FFFFFFFF 1.0 FFD2F3FF"),
        date=dict(color="FFFFFFFF", selection="FFFFFFFF", selection_back="FF1766DC"),
        chart=dict(grid="59FFFFFF", odd="0.0 FF8FDCFF 1.0 FF1766DC", even="0.0 FFFFE082 1.0 FFFF9F43",
                   axes="0.0 FFFFFFFF 1.0 FFE1EDFF"),
        table=dict(border="FF2F5FB8", head_font="0.0 FFFFFFFF 1.0 FFFFFFFF", head_back="0.0 FF2560C4 1.0 FF0C2A72",
                   odd="0.0 FF0D2455 1.0 FF0D2455", even="0.0 FF143372 1.0 FF143372",
                   read_only="0.0 FFFFFFFF 1.0 FFFFFFFF", read_write="0.0 FF0C2A72 1.0 FF0C2A72",
                   edit="FF000E73", odd_field="0.0 FFFFFFFF 0.25 FFF4F8FF 1.0 FFDCE8FF",
                   even_field="0.0 FFFFFFFF 0.25 FFF4F8FF 1.0 FFDCE8FF")),
    "TalveraTheme": dict(
        panel=("#fbfafd", "#f3f1f7"), rim="#dad4e5", well=("#ffffff", "#ffffff"), well_rim="#e3deeb",
        field=("#ffffff", "#ffffff"), field_rim="#c9a2ee", strip="#f1eef6",
        text="FF3B3645", accent_text="FF5B2A8A",
        progress=dict(back="0.0 FFEEEAF3 1.0 FFE6E1EE", fill="0.0 FFB57FE2 1.0 FFA666D9", border="FFD4CDE0",
                      label="0.0 FF3B3645 1.0 FF5B2A8A"),
        date=dict(color="FF3B3645", selection="FFFFFFFF", selection_back="FF8F4FC6"),
        chart=dict(grid="FFE3DEEB", odd="0.0 FFC9A2EE 1.0 FF8F4FC6", even="0.0 FF9FD3F5 1.0 FF3F95E0",
                   axes="0.0 FF3B3645 1.0 FF3B3645"),
        table=dict(border="FFDAD4E5", head_font="0.0 FFFFFFFF 1.0 FFFFFFFF", head_back="0.0 FF8F4FC6 1.0 FF6E35A0",
                   odd="0.0 FFFFFFFF 1.0 FFFFFFFF", even="0.0 FFF4F1F8 1.0 FFF4F1F8",
                   read_only="0.0 FF3B3645 1.0 FF3B3645", read_write="0.0 FF5B2A8A 1.0 FF5B2A8A",
                   edit="FF3B3645", odd_field="0.0 FFF7F1FD 0.25 FFF3EBFB 1.0 FFEBDDF8",
                   even_field="0.0 FFF7F1FD 0.25 FFF3EBFB 1.0 FFEBDDF8")),
}

# The "button" plate's central content rectangle is 16 of its 28 units high
# and starts 14 units in: a content of height h (paddings included) gets a
# plate 28 * h / 16 high.
PLATE_HEIGHT, PLATE_CENTRAL, PLATE_SIDE = 28.0, 16.0, 14.0


def plate_width(w, h, pads):
    factor = (h + pads[1] + pads[3]) / PLATE_CENTRAL
    return 2 * PLATE_SIDE * factor + w + pads[0] + pads[2]


def content_mark(face, eid, x, cy, w, h, pads):
    """X_content_placeholder of a back-plate button whose plate starts at x,
    centred on cy; returns the x where the plate ends."""
    factor = (h + pads[1] + pads[3]) / PLATE_CENTRAL
    left = PLATE_SIDE * factor + pads[0]
    face.mark(eid + "_content_placeholder", x + left, cy - h / 2, w, h)
    return x + plate_width(w, h, pads)


def data_panel(face, data, width, height, eid="background"):
    """The face's rounded panel with its rim."""
    look = face.look
    radius = 12 if look["gloss"] else 8
    parts = [face.shape("panel_fill", rounded_rect(0.75, 0.75, width - 1.5, height - 1.5, radius), data["panel"],
                        data["rim"])]
    parts += face.gloss("panel_gloss", rounded_rect(4, 3, width - 8, 22, radius - 2))
    return parts


def well(face, data, gid, x, y, w, h, radius=6):
    return face.shape(gid, rounded_rect(x, y, w, h, radius), data["well"], data["well_rim"])


TEXT_PADS = (5, 3, 5, 3)
ICON_PADS = (7, 2, 7, 2)


def energy_data_view_face(style):
    """"energy_data_view": the front face of the energy gadget and, on the
    same document, the chart and table areas of its consumption display."""
    data = DATA_FACES[style.folder]
    width, height = 420, 408
    face = Face(style, width, height)
    cy = 28
    x = 10
    x = content_mark(face, "cycle_timespan_view", x, cy, 18, 16, TEXT_PADS) + 4
    x = content_mark(face, "decrease", x, cy, 18, 18, (0, 0, 0, 0)) + 4
    date = (x, cy - 13, 150, 26)
    face.mark("date_placeholder", *date)
    x += date[2] + 4
    x = content_mark(face, "increase", x, cy, 18, 18, (0, 0, 0, 0)) + 6
    content_mark(face, "ok", x, cy, 24, 12, TEXT_PADS)
    face.mark("table_title_placeholder", 16, 56, width - 32, 18)
    labels_y, labels_h = 80, 18
    face.mark("cumulative_data_placeholder", 16, labels_y, 128, labels_h)
    face.mark("instant_data_placeholder", 148, labels_y, 118, labels_h)
    face.mark("average_data_placeholder", 270, labels_y, 134, labels_h)
    area = (12, 110, width - 24, 236)
    face.mark("chart_placeholder", *area)
    table_w = 332
    face.mark("table_placeholder", (width - table_w) / 2, area[1] + 2, table_w, area[3] - 4)
    face.mark("status_placeholder", 60, 206, width - 120, 16)
    face.mark("hotspot", width / 2 - 5, height / 2 - 5, 10, 10)
    x, cy = 12, height - 30
    for eid in ("cycle_graphtable_view", "cycle_currency", "tariff"):
        x = content_mark(face, eid, x, cy, 22, 20, ICON_PADS) + 6
    monthly_w = 44
    content_mark(face, "cycle_monthly_view", width - 12 - plate_width(monthly_w, 14, TEXT_PADS), cy, monthly_w, 14,
                 TEXT_PADS)
    parts = data_panel(face, data, width, height)
    parts.append(face.shape("date_fill", rounded_rect(*date, 5), data["field"], data["field_rim"]))
    parts.append(element("rect", x=12, y=52, width=width - 24, height=52, rx=6, fill=data["strip"]))
    parts.append(well(face, data, "well_fill", *area))
    face.group("background", parts)
    return face.document()


def energy_data_tariff_face(style):
    """"energy_data_tariff": the back of the energy gadget, a tariff table
    of five columns (457.5 wide) with its scroll bar, and an OK button."""
    data = DATA_FACES[style.folder]
    width, height = 496, 300
    face = Face(style, width, height)
    table = (12, 12, 472, 240)
    face.mark("table_placeholder", *table)
    content_mark(face, "ok", width - 12 - plate_width(24, 12, TEXT_PADS), height - 24, 24, 12, TEXT_PADS)
    face.group("background", data_panel(face, data, width, height) + [well(face, data, "well_fill", *table)])
    return face.document()


def load_management_view_face(style):
    """"load_management_view": instant consumption, two counters with their
    reset buttons, the last update, refresh and unit/currency buttons."""
    data = DATA_FACES[style.folder]
    width, height = 320, 236
    face = Face(style, width, height)
    face.mark("instant_data_placeholder", 18, 16, width - 36, 18)
    for number, y in ((1, 48), (2, 104)):
        face.mark(f"counter{number}_data_placeholder", 18, y + 6, 220, 36)
        content_mark(face, f"reset_counter{number}", width - 16 - plate_width(16, 16, (5, 0, 5, 0)), y + 24, 16, 16,
                     (5, 0, 5, 0))
    face.mark("lastupdate_placeholder", 18, 164, width - 36, 18)
    x = width - 16 - 2 * plate_width(16, 16, (5, 0, 5, 0)) - 6
    x = content_mark(face, "refresh", x, height - 26, 16, 16, (5, 0, 5, 0)) + 6
    content_mark(face, "cycle", x, height - 26, 16, 16, (5, 0, 5, 0))
    face.mark("noinfo_placeholder", 20, 172, width - 40, 44)
    parts = data_panel(face, data, width, height)
    parts += [well(face, data, f"counter{n}_fill", 10, y, width - 20, 48) for n, y in ((1, 48), (2, 104))]
    face.group("background", parts)
    return face.document()


def webserver_view_face(style):
    """"webserver_view": the gateway's time and date and its property list."""
    data = DATA_FACES[style.folder]
    width, height = 320, 340
    face = Face(style, width, height)
    face.mark("time_placeholder", 24, 14, 124, 22)
    face.mark("date_placeholder", 172, 14, 124, 22)
    labels = (14, 50, width - 28, height - 64)
    face.mark("labels_placeholder", *labels)
    parts = data_panel(face, data, width, height)
    parts += [face.shape(f"{eid}_fill", rounded_rect(x - 6, 12, 136, 26, 5), data["field"], data["field_rim"])
              for eid, x in (("time", 24), ("date", 172))]
    parts.append(well(face, data, "well_fill", labels[0] - 4, labels[1] - 4, labels[2] + 8, labels[3] + 8))
    face.group("background", parts)
    return face.document()


def data_face_files(style):
    """(file name, text) of the data faces of one theme."""
    yield "energy_data_view", energy_data_view_face(style)
    yield "energy_data_tariff", energy_data_tariff_face(style)
    yield "load_management_view", load_management_view_face(style)
    yield "webserver_view", webserver_view_face(style)


def data_face_keys(style):
    """theme.ini keys of the data faces' texts, charts, tables and progress bar."""
    data = DATA_FACES[style.folder]
    text, chart, table, progress, date = data["text"], data["chart"], data["table"], data["progress"], data["date"]
    keys = [("energy_chart_grid_color", chart["grid"]), ("energy_chart_odd_bars_color", chart["odd"]),
            ("energy_chart_even_bars_color", chart["even"]), ("energy_chart_axes_values_color", chart["axes"]),
            ("energy_chart_font_size", 11),
            ("energy_labels_font_color", text), ("energy_labels_font_size", 13), ("energy_labels_font_weight", 50),
            ("energy_buttons_font_color", "FFFFFFFF" if style.face["gloss"] else text),
            ("energy_buttons_second_font_color", "FFFFFFFF" if style.face["gloss"] else data["accent_text"]),
            ("energy_buttons_font_size", 12), ("energy_buttons_font_weight", 75),
            ("energy_date_font_color", date["color"]), ("energy_date_font_size", 14), ("energy_date_font_weight", 50),
            ("energy_date_edit_selection_font_color", date["selection"]),
            ("energy_date_edit_selection_back_color", date["selection_back"]),
            ("energy_progressbar_back_color", progress["back"]), ("energy_progressbar_fill_color", progress["fill"]),
            ("energy_progressbar_border_color", progress["border"]), ("energy_progressbar_border_width", 1),
            ("energy_progressbar_label_font_color", progress["label"]), ("energy_progressbar_label_font_size", 15),
            ("energy_progressbar_label_font_weight", 50),
            ("webserver_label_font_color", text), ("webserver_label_font_size", 13),
            ("webserver_label_font_weight", 50),
            ("load_labels_font_color", text), ("load_labels_font_size", 13)]
    for element_id in ("energy_view", "energy_tariff"):
        prefix = element_id + "_table_"
        keys += [(prefix + "border_color", table["border"]), (prefix + "column_head_font_color", table["head_font"]),
                 (prefix + "column_head_back_color", table["head_back"]),
                 (prefix + "odd_rows_back_color", table["odd"]), (prefix + "even_rows_back_color", table["even"]),
                 (prefix + "read_only_cells_font_color", table["read_only"]),
                 (prefix + "read_write_cells_font_color", table["read_write"]),
                 (prefix + "read_write_cells_edit_font_color", table["edit"]),
                 (prefix + "odd_rows_read_write_cells_back_color", table["odd_field"]),
                 (prefix + "even_rows_read_write_cells_back_color", table["even_field"])]
    return keys


def theme_files(style):
    """(file name, bytes) of every file of one theme."""
    for name, drawing_fn, argument in ICONS:
        yield name + ".svg", icon_svg(style, name, drawing_fn, argument).encode()
    for name in OVERLAYS:
        yield name + ".svg", overlay_svg(style, name).encode()
    for name, text in face_files(style):
        yield name + ".svg", text.encode()
    for name, text in data_face_files(style):
        yield name + ".svg", text.encode()
    yield "theme.ini", theme_ini(style).encode()
    yield "mainUI.qss", main_ui_qss(style).encode()
    yield "userConfigurationAreaDialog.qss", dialog_qss().encode()
    yield "fullScreenBackground.png", backdrop_png(style)
    yield "DownArrow.png", down_arrow_png(style)
    yield "scrollbar_thumb.png", thumb_png(style, 14, 13, 4.5)
    yield "slider_thumb.png", thumb_png(style, 15, 12, 5.5)


def main():
    repo = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."))
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--out", default=os.path.join(repo, "Gadgets", "themes"),
                        help="folder that receives CorvaneTheme/ and TalveraTheme/")
    args = parser.parse_args()
    for style in STYLES:
        folder = os.path.join(args.out, style.folder)
        os.makedirs(folder, exist_ok=True)
        count = 0
        for file_name, data in theme_files(style):
            with open(os.path.join(folder, file_name), "wb") as f:
                f.write(data)
            count += 1
        print(f"{folder}: {count} files")


if __name__ == "__main__":
    main()
