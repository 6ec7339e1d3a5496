#!/usr/bin/env python3
"""Writes the SVG sources of the Configurator's icons (one flat style: slate
outlines, orange accents, round joins on a 32-unit grid). Render them with
tools/svgtopng into Gadgets/images."""
import os
import sys

S = "#34404c"   # slate outline
O = "#dd652f"   # brand orange
L = "#f4f6f8"   # light fill
G = "#3f9b5a"   # green (confirm, add)
R = "#c8372d"   # red (error, delete)
B = "#2f76c8"   # blue (navigation)
Y = "#f2b630"   # amber (warning)

def svg(body, size=32):
    return ('<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" viewBox="0 0 32 32">'
            '<g stroke-linecap="round" stroke-linejoin="round">%s</g></svg>\n' % (size, size, body))

def st(w=2.2, c=S, fill="none"):
    return 'stroke="%s" stroke-width="%s" fill="%s"' % (c, w, fill)

def page(extra="", fold=True):
    return ('<path d="M8 3 H19 L25 9 V29 H8 Z" %s/>' % st(fill=L) +
            ('<path d="M19 3 V9 H25" %s/>' % st() if fold else "") + extra)

def folder(extra=""):
    return ('<path d="M3 9 V26 H27 V12 H15 L12 9 Z" %s/>' % st(fill="#f6d6c4") + extra)

def disk(extra=""):
    return ('<path d="M5 5 H23 L27 9 V27 H5 Z" %s/>' % st(fill=L) +
            '<rect x="10" y="5" width="11" height="7" %s/>' % st(fill=O, w=1.8) +
            '<rect x="9" y="17" width="14" height="10" %s/>' % st(fill="#ffffff", w=1.8) + extra)

ICONS = {
    # tree of pages
    "gadget": '<rect x="4" y="4" width="24" height="24" rx="6" fill="%s"/>'
              '<circle cx="16" cy="18" r="6" %s/><path d="M16 6 V12" %s/>' % (O, st(3, "#fff"), st(3, "#fff")),
    "general_parameters": '<circle cx="16" cy="16" r="5" %s/>' % st(fill=L) +
        ''.join('<path d="M%s" %s/>' % (d, st(3)) for d in
                ["16 3 V7", "16 25 V29", "3 16 H7", "25 16 H29", "6.8 6.8 L9.6 9.6", "22.4 22.4 L25.2 25.2",
                 "6.8 25.2 L9.6 22.4", "22.4 9.6 L25.2 6.8"]) +
        '<circle cx="16" cy="16" r="9" %s/><circle cx="16" cy="16" r="2" fill="%s"/>' % (st(2.2), O),
    "plant": '<path d="M4 15 L16 5 L28 15" %s/><path d="M7 13 V27 H25 V13" %s/>'
             '<rect x="13" y="19" width="6" height="8" %s/>' % (st(2.4), st(fill=L), st(fill=O, w=1.8)),
    "webserver": '<rect x="5" y="5" width="22" height="9" rx="2" %s/><rect x="5" y="17" width="22" height="9" rx="2" %s/>'
                 '<circle cx="10" cy="9.5" r="1.6" fill="%s"/><circle cx="10" cy="21.5" r="1.6" fill="%s"/>'
                 '<path d="M15 9.5 H23 M15 21.5 H23" %s/>' % (st(fill=L), st(fill=L), O, G, st(1.8)),
    "lights": '<path d="M11 20 C7 17 7 6 16 5 C25 6 25 17 21 20 Z" %s/>'
              '<path d="M12 23 H20 M13 27 H19" %s/>' % (st(fill="#ffd9a8"), st(2.4)) +
              '<path d="M16 12 V18" %s/>' % st(2, O),
    "move_light_sensor": '<circle cx="16" cy="16" r="4" fill="%s"/>'
                         '<path d="M9 9 A10 10 0 0 0 9 23 M23 9 A10 10 0 0 1 23 23" %s/>'
                         '<path d="M5 5 A15.5 15.5 0 0 0 5 27 M27 5 A15.5 15.5 0 0 1 27 27" %s/>' % (O, st(2.4), st(2.2)),
    "up_down": '<rect x="6" y="4" width="20" height="24" rx="2" %s/>' % st(fill=L) +
               '<path d="M6 10 H26 M6 15 H26" %s/>' % st(1.6) +
               '<path d="M16 18 V26 M12.5 21.5 L16 18 L19.5 21.5" %s/>' % st(2.2, O),
    "scenario": '<path d="M4 9 H28 V27 H4 Z" %s/><path d="M4 9 L7 4 H28 L25 9" %s/>'
                '<path d="M13 14 V23 L21 18.5 Z" %s/>' % (st(fill=L), st(fill=O, w=1.8), st(1.8, O, O)),
    "termo": '<path d="M13 19 V6 A3 3 0 0 1 19 6 V19 A6 6 0 1 1 13 19 Z" %s/>' % st(fill=L) +
             '<circle cx="16" cy="23.5" r="3" fill="%s"/><path d="M16 11 V21" %s/>' % (O, st(2.4, O)),
    "SoundSystem": '<path d="M5 12 H10 L17 6 V26 L10 20 H5 Z" %s/>' % st(fill=L) +
                   '<path d="M21 11 A7 7 0 0 1 21 21 M24.5 7.5 A12 12 0 0 1 24.5 24.5" %s/>' % st(2.2, O),
    "EnergyDataSystem": '<rect x="5" y="17" width="5" height="10" %s/><rect x="13.5" y="11" width="5" height="16" %s/>'
                        '<rect x="22" y="6" width="5" height="21" %s/>' % (st(fill=L), st(fill="#f6d6c4"), st(fill=O)),
    "loadmanagement_system": '<path d="M12 4 V10 M20 4 V10" %s/><path d="M8 10 H24 V15 A8 8 0 0 1 8 15 Z" %s/>'
                             '<path d="M16 23 V28" %s/><path d="M17 13 L14 18 H18 L15 22" %s/>'
                             % (st(2.6), st(fill=L), st(2.6), st(1.8, O)),
    # validation list
    "error": '<circle cx="16" cy="16" r="12" fill="%s"/><path d="M11 11 L21 21 M21 11 L11 21" %s/>' % (R, st(3, "#fff")),
    "sign_warning": '<path d="M16 4 L29 27 H3 Z" %s/><path d="M16 12 V19" %s/><circle cx="16" cy="23" r="1.7" fill="%s"/>'
                    % (st(2, "#8a5a00", Y), st(3, S), S),
    # device actions
    "add": '<circle cx="16" cy="16" r="12" fill="%s"/><path d="M16 9 V23 M9 16 H23" %s/>' % (G, st(3.2, "#fff")),
    "delete": '<circle cx="16" cy="16" r="12" fill="%s"/><path d="M9 16 H23" %s/>' % (R, st(3.2, "#fff")),
    "deleteAll": '<path d="M7 9 H25 M13 9 V5 H19 V9" %s/><path d="M9 9 L10.5 28 H21.5 L23 9" %s/>'
                 '<path d="M13.5 14 V23 M18.5 14 V23" %s/>' % (st(2.2), st(fill=L), st(2, R)),
    "nav_up_blue": '<circle cx="16" cy="16" r="12" fill="%s"/><path d="M16 23 V10 M10 15 L16 9 L22 15" %s/>' % (B, st(3, "#fff")),
    "nav_down_blue": '<circle cx="16" cy="16" r="12" fill="%s"/><path d="M16 9 V22 M10 17 L16 23 L22 17" %s/>' % (B, st(3, "#fff")),
    # main window actions
    "new_document": page('<path d="M16 14 V24 M11 19 H21" %s/>' % st(2.6, O)),
    "file_open": folder('<path d="M8 16 H29 L25 26 H3 Z" %s/>' % st(fill=L)),
    "save": disk(),
    "saveAs": disk('<path d="M19 29 L20 25 L28 17 L31 20 L23 28 Z" %s/>' % st(1.6, S, O)),
    "import": page('<path d="M2 19 H15 M11 15 L15 19 L11 23" %s/>' % st(2.6, O)),
    "exit": '<path d="M15 4 H6 V28 H15" %s/><path d="M12 16 H28 M23 11 L28 16 L23 21" %s/>' % (st(2.4), st(2.6, O)),
    "load": '<path d="M5 20 V27 H27 V20" %s/><path d="M16 4 V19 M10 13 L16 19 L22 13" %s/>' % (st(2.4), st(2.8, O)),
    "activate": '<circle cx="16" cy="16" r="12" %s/><path d="M10 16.5 L14.5 21 L22.5 11.5" %s/>' % (st(2.2, S, G), st(3.2, "#fff")),
    "information": '<circle cx="16" cy="16" r="12" fill="%s"/><path d="M16 14 V23" %s/><circle cx="16" cy="9.5" r="2" fill="#fff"/>'
                   % (B, st(3.2, "#fff")),
    "checkForUpdate": '<path d="M25 12 A10 10 0 1 0 26 18" %s/><path d="M26 5 V12 H19" %s/>'
                      '<path d="M16 10 V17 L20 19" %s/>' % (st(2.6), st(2.6), st(2.2, O)),
    "flags": '<path d="M6 28 V4" %s/><path d="M6 5 C11 2 15 8 20 5 C23 3.5 25 4 27 5 V17 C25 16 23 15.5 20 17 C15 20 11 14 6 17 Z" %s/>'
             % (st(2.6), st(2, S, O)),
    # program icon and property panes
    "Configurator": '<rect x="2" y="2" width="28" height="28" rx="6" fill="%s"/>'
                    '<path d="M8 10 H24 M8 16 H24 M8 22 H24" %s/>'
                    '<circle cx="12" cy="10" r="2.6" %s/><circle cx="20" cy="16" r="2.6" %s/><circle cx="14" cy="22" r="2.6" %s/>'
                    % (O, st(2, "#fff"), st(2, "#fff", O), st(2, "#fff", O), st(2, "#fff", O)),
    "expand_collapse": '<rect x="5" y="5" width="22" height="22" rx="3" %s/><path d="M10 13 L16 19 L22 13" %s/>' % (st(fill=L), st(2.8, O)),
}

def main(out):
    os.makedirs(out, exist_ok=True)
    for name, body in ICONS.items():
        with open(os.path.join(out, name + ".svg"), "w") as f:
            f.write(svg(body))

if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "icons")
