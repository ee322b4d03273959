"""Real-size mock-ups of key screens, placed with the layout rules the game's screens use."""
from scene import Scene

W, H = 1024, 768
CX, CY = W // 2, H // 2
INK = "#2e4577"
OVERLAY = "#000010"


def _desk(s):
    w, h = s.width, s.height
    s.tiled("menu", "lenolium.jpg", 0, 0, w, h)
    for x in (0, w):
        s.sprite("menu", "Border.png", x, h // 2, size=(32, w))
    for y in (0, h):
        s.sprite("menu", "Border.png", w // 2, y, size=(32, w), rotate=-90)


def _window(s, member, label=None, cx=CX, cy=CY):
    s.rect(0, 0, W, H, OVERLAY, 0.6)
    s.sprite("gui", member, cx, cy)
    if label:
        s.label(cx, cy - s.lib.size("gui", member)[1] * 0.4 + 10, label, 26, INK, "middle", "bold")


def _ok_cancel(s, cy_bottom, cancel=True):
    ok_w, ok_h = s.lib.size("gui", "button_ok.png")
    if cancel:
        s.sprite("gui", "button_ok.png", CX - ok_w / 8, cy_bottom - ok_h / 4, frame=0)
        s.sprite("gui", "button_cancel.png", CX + ok_w / 8, cy_bottom - ok_h / 4, frame=1)
    else:
        s.sprite("gui", "button_ok.png", CX, cy_bottom - ok_h / 4, frame=1)


def menu(lib, W=W, H=H):
    """The menu screen: desk, book with tabs and thumbnails, panels, buttons, corner things."""
    CX, CY = W // 2, H // 2
    s = Scene(lib, W, H)
    _desk(s)
    left, top, right, bottom = int(W * 0.1), int(H * 0.15), int(W * 0.9), int(H * 0.85)
    spine = lib.size("book", "3-1.png")[0]
    page_w, page_h = W // 2 - left + spine // 2, bottom - top
    quarter = (right - left) // 4
    left_codes = {11: "1-1.png", 12: "2-1.png", 13: "3-1.png", 21: "1-2.png", 22: "2-2.png", 23: "3-2.png", 31: "1-3.png", 32: "2-3.png", 33: "3-3.png"}
    right_codes = {11: "3-1.png", 12: "4-1.png", 13: "5-1.png", 21: "3-2.png", 22: "4-2.png", 23: "5-2.png", 31: "3-3.png", 32: "4-3.png", 33: "5-3.png"}
    s.nine_slice("book", left_codes, CX - quarter + spine // 4, CY, page_w, page_h, skip=(13, 23, 33))
    s.nine_slice("book", right_codes, CX + quarter - spine // 4 - 1, CY, page_w, page_h)
    tab_w, tab_h = lib.size("menu", "gallery_button.png")
    tab_x = left - tab_w // 8 + 65 + 47
    for i, name in enumerate(("Animals", "Landscapes", "Flowers")):
        s.sprite("menu", "gallery_button.png", tab_x, top + i * min(page_h // 3, tab_h) + 100, frame=3 if i == 0 else (1 if i == 1 else 0))
        s.label(tab_x + 8, top + i * min(page_h // 3, tab_h) + 100 + 2, name, 15, INK, "middle", "bold")
    s.sprite("menu", "gallery_button.png", tab_x, bottom - 100, frame=0)
    s.label(tab_x + 8, bottom - 98, "Saved", 15, INK, "middle", "bold")
    x0, y0, x1, y1 = left + 65, top + 40, right - 65, bottom - 40
    cw, ch = (x1 - x0) // 4, (y1 - y0) // 2
    colours = ["#7fb3d5", "#f5b041", "#82e0aa", "#f1948a", "#bb8fce", "#76d7c4", "#f7dc6f", "#85929e"]
    for slot in range(1, 9):
        c = slot if slot <= 4 else slot - 4
        x = c * cw + x0 - cw / 2 + (0.1 if slot % 2 else -0.1) * cw
        y = (y0 + ch - ch / 2 + 0.1 * ch - 20) if slot <= 4 else (y0 + 2 * ch - ch / 2 - 0.1 * ch - 20)
        tw, th = cw * 0.6, cw * 0.45
        if slot == 2:
            s.sprite("menu", "QSadow.png", x + 10, y + 10, size=(tw + 20, th + 20))
        s.sprite("menu", "white_plain.png", x, y, size=(tw + 20, th + 20))
        s.rect(x - tw / 2, y - th / 2, tw, th, colours[slot - 1])
        s.rect(x + tw / 2 + 10 - 58, y + th / 2 + 48 - 22, 58, 22, "#000000", 0.53)
        s.sprite("menu", "complit_rotation.png", x + tw / 2 + 10 - 11, y + th / 2 + 48 - 11, size=(22, 22))
        s.label(x + tw / 2 + 10 - 26, y + th / 2 + 48 - 6, "12", 13, "#ffffff", "end")
    nx, ny = int(x1 * 0.78), int(y1 * 0.93)
    s.sprite("menu", "button_right.png", nx, ny, frame=0)
    s.sprite("menu", "button_left.png", int(x1 * 0.38), ny, frame=3)
    s.label(int(x1 * 0.565), y1 - 32 + 14, "1/2", 16, INK, "middle")
    s.sprite("menu", "left_corner.png", 0, H, anchor="bottom-left")
    s.sprite("menu", "right_corner.png", W, H, anchor="bottom-right")
    pw, ph = lib.size("menu", "menu_panel.png")
    s.sprite("menu", "menu_panel.png", CX, H - ph / 2)
    up_w, up_h = lib.size("menu", "up_panel.png")
    s.sprite("menu", "up_panel.png", CX, up_h / 2)
    s.sprite("menu", "change_player.png", CX + 360, up_h / 2 + 50)
    s.label(CX, int(int(up_h * 0.4 + 5) * 0.6) + 9, "Hello, Anna!", 26, INK, "middle", "bold")
    u = int(0.8 * lib.size("menu", "play_button.png")[1])
    for k, member, frame in ((-3.2, "trophy_button.png", 0), (-2.2, "top_button.png", 0), (-1.2, "compleate_button.png", 3), (0, "play_button.png", 1),
                             (1.2, "cut_button.png", 0), (2.2, "settings_button.png", 2), (3.2, "exit_button.png", 0)):
        s.sprite("menu", member, CX + k * u, H - ph / 2, frame=frame)
    s.sprite("menu", "Cursor.png", 700, 420, anchor="top-left")
    return s


def play(lib):
    s = Scene(lib, W, H)
    s.sprite("level", "window_standart_2_2.png", CX, CY, size=(W, H))
    s.rect(0, 0, W, H, "#95abfd", 1.0)
    s.body[-1] = s.body[-1].replace("/>", ' style="mix-blend-mode:multiply"/>')
    colours = ["#e74c3c", "#3498db", "#2ecc71", "#f39c12", "#9b59b6", "#1abc9c"]
    for i in range(12):
        s.rect(560 + (i % 4) * 95, 260 + (i // 4) * 90, 80, 70, colours[i % 6], 0.95, "#ffffff")
    sw, sh = lib.size("level", "score_panel.png")
    s.sprite("level", "score_panel.png", CX, sh / 2)
    s.label(CX, sh / 3 + 5 + 9, "Score: 1250", 24, INK, "middle", "bold")
    pw, ph = int(W * 0.6), int(H * 0.6)
    cw, chh = lib.size("pocket", "pocket2-2.png")
    sx, sy = pw - cw, ph - chh
    s.sprite("menu", "QSadow.png", cw + sx + 20, chh + sy + 20, anchor="bottom-right", size=(pw + 10, ph + 10))
    s.sprite("pocket", "pocket2-2.png", sx, sy, anchor="top-left")
    s.sprite("pocket", "pocket1-2.png", 0, sy, anchor="top-left", size=(sx, lib.size("pocket", "pocket1-2.png")[1]))
    s.sprite("pocket", "pocket2-1.png", sx, 0, anchor="top-left", size=(lib.size("pocket", "pocket2-1.png")[0], sy))
    s.sprite("pocket", "pocket1-1.png", 0, 0, anchor="top-left", size=(sx, sy))
    for i in range(5):
        s.rect(150 + i * 85, 140 + (i % 2) * 60, 70, 60, colours[i], 0.95, "#ffffff")
    bw, bh = lib.size("pocket", "button_pocket.png")
    s.sprite("pocket", "button_pocket.png", bw / 8, bh / 2, frame=3)
    panel_y = int(H * 0.97)
    s.sprite("level", "PlayPanel.png", CX, panel_y)
    for offset, member, frame in ((-340, "button_image.png", 0), (-255, "button_ghost.png", 3), (-170, "button_magnifier.png", 0), (-85, "button_border.png", 0),
                                  (0, "button_hint.png", 1), (85, "button_sort.png", 0), (212.5, "settings_button.png", 0), (306, "exit_button.png", 0)):
        scale = 1.2 if frame == 1 else 0.7
        fw = lib.size("level", member)[1]
        s.sprite("level", member, CX + offset, panel_y - (20 if frame == 1 else 0), frame=frame, size=(fw * scale, fw * scale))
    fx, fy = W - 150 - 200, 60
    s.sprite("menu", "white_plain.png", fx + 95, fy + 70, size=(210, 150))
    s.rect(fx, fy, 190, 140, "#d6eaf8")
    xw = lib.size("level", "x1_button.png")[0]
    for i, member in enumerate(("x1_button.png", "x2_button.png", "x3_button.png")):
        s.sprite("level", member, fx + xw / 8 + i * xw / 4, fy + 16, frame=3 if i == 1 else 0)
    s.sprite("level", "close_button.png", fx + 190, fy, frame=0)
    return s


def settings(lib):
    s = menu(lib)
    _window(s, "window_standart.png", "Settings")
    ww, wh = lib.size("gui", "window_standart.png")
    s.sprite("gui", "gear.png", CX - 300, CY - 190)
    s.sprite("gui", "violin.png", CX + 310, CY - 150)
    s.sprite("gui", "fortepiano.png", CX - 290, CY + 150)
    for i, (label, y) in enumerate((("Music", CY - 0.2 * wh), ("Sound", CY - 0.05 * wh))):
        start, length = CX - 50, 300
        sl_w, sl_h = lib.size("gui", "slider_3.png")
        q = sl_w / 4
        s.sprite("gui", "slider_3.png", start, y, frame=0)
        s.sprite("gui", "slider_3.png", start + q / 2 + (length - q) / 2, y, frame=1, size=(length - q, sl_h))
        s.sprite("gui", "slider_3.png", start + length, y, frame=2)
        s.sprite("gui", "slider_3.png", start + q / 2 + (length - q) * (0.7 if i == 0 else 0.35), y, frame=3)
        mw = lib.size("gui", "slider_left.png")[0] / 4
        s.sprite("gui", "slider_left.png", start - mw / 8, y, frame=0)
        s.sprite("gui", "slider_right.png", start + mw / 4 + length, y, frame=1)
        s.label(start - 60, y + 7, label, 20, INK, "end")
    for x, ticked, label in ((CX - 50, True, "Game cursor"), (CX + ww / 2 - 115, False, "Snap")):
        s.sprite("gui", "checkbox_button.png", x, CY + 46, frame=0, frames=2)
        if ticked:
            s.sprite("gui", "checkbox_button.png", x, CY + 46, frame=1, frames=2)
        s.label(x - 30, CY + 53, label, 18, INK, "end")
    fw = lib.size("gui", "button_flat.png")[0]
    for sign, label, frame in ((-1, "Resolution", 0), (1, "Credits", 1)):
        s.sprite("gui", "button_flat.png", CX + sign * fw / 8, CY + 0.25 * wh, frame=frame)
        s.label(CX + sign * fw / 8, CY + 0.25 * wh + 7, label, 18, INK, "middle", "bold")
    _ok_cancel(s, CY + wh / 2)
    return s


def trophies(lib):
    s = menu(lib)
    _window(s, "window_standart.png")
    ww, wh = lib.size("gui", "window_standart.png")
    s.sprite("gui", "trofi_fon.png", CX, CY - 230)
    s.label(CX, CY - 255 + 9, "Achievements", 26, INK, "middle", "bold")
    s.sprite("gui", "zoom.png", CX - 80, CY + wh / 2 - 60)
    w = lib.size("trofei", "trofi_sobiratel1.png")[0]
    top = (("trofi_meditaciya2.png", CX - 3 * (w / 2) - 30), ("trofi_sobiratel5.png", CX - w / 2 - 10), ("trofi_master3.png", CX + w / 2 + 10), ("trofi_terpenie1.png", CX + 3 * (w / 2) + 30))
    for member, x in top:
        s.sprite("trofei", member, x, CY - 100, opacity=0.2 if member == "trofi_terpenie1.png" else 1.0)
    for member, x in (("trofi_povelitel.png", CX - w - 10), ("trofi_nepostoyanstvo4.png", CX), ("trofi_mudrec6.png", CX + w + 10)):
        s.sprite("trofei", member, x, CY + 100)
    _ok_cancel(s, CY + wh / 2, cancel=False)
    return s


def leaders(lib):
    s = menu(lib)
    _window(s, "window_standart.png")
    ww, wh = lib.size("gui", "window_standart.png")
    back_y = int(CY - 0.35 * wh)
    s.sprite("gui", "liderboard_fon.png", CX + 55, back_y)
    s.label(CX, back_y - 10 + 9, "Leader board", 26, INK, "middle", "bold")
    tw, th = lib.size("gui", "liderboard_tablica.png")
    table_y = back_y + 100
    for k, (name, score) in enumerate((("Anna", 15200), ("Boris", 9800), ("Chloe", 7300), ("Dan", 2100), ("Eve", 950))):
        y = table_y + k * (th + 5)
        if k < 3:
            s.sprite("gui", "under_table.png", CX, y)
        s.sprite("gui", "liderboard_tablica.png", CX, y)
        s.label(CX - 260, y + 7, str(k + 1), 20, INK, "middle", "bold")
        s.label(CX - 78, y + 7, name, 20, INK, "middle")
        s.label(CX + 190, y + 7, str(score), 20, INK, "middle")
    _ok_cancel(s, CY + wh / 2, cancel=False)
    return s


def win(lib):
    s = play(lib)
    _window(s, "window_standart.png")
    ww, wh = lib.size("gui", "window_standart.png")
    cy = CY - wh / 3
    s.sprite("gui", "complit_tablica.png", CX, cy)
    s.label(CX, cy - 35 + 9, "Well done!", 28, INK, "middle", "bold")
    s.label(CX - 130, cy + 20 + 6, "Pieces", 18, INK, "middle")
    s.label(CX + 130, cy + 20 + 6, "Score", 18, INK, "middle")
    s.label(CX - 110, cy + 85 + 10, "48x", 28, INK, "middle", "bold")
    s.sprite("menu", "complit_rotation.png", CX - 110, cy + 90 - 24 + 40)
    s.label(CX + 130, cy + 85 + 10, "2150", 28, INK, "middle", "bold")
    s.label(CX, cy + 175 + 10, "04:37", 28, INK, "middle", "bold")
    s.label(CX, cy + 230 + 6, "Time", 18, INK, "middle")
    for member, dx in (("trofi_sobiratel2.png", 95), ("trofi_mudrec3.png", -95)):
        s.sprite("trofei", member, CX + dx, CY + 105)
    _ok_cancel(s, CY + wh / 2, cancel=False)
    return s


def help_page(lib):
    s = play(lib)
    _window(s, "window_standart.png")
    ww, wh = lib.size("gui", "window_standart.png")
    s.label(CX, CY - 0.4 * wh + 9, "How to play", 26, INK, "middle", "bold")
    for member, y, text in (("windows_FAQ_fon2.png", CY - wh / 6, "Hold the left button to drag a piece."), ("windows_FAQ_fon3.png", CY + wh / 6, "Click the right button to turn it.")):
        s.sprite("gui", member, CX - ww / 4, y)
        s.label(CX - ww / 8, y + 6, text, 18, INK)
    _ok_cancel(s, CY + 0.45 * wh + 15, cancel=False)
    return s


def questions(lib):
    s = menu(lib)
    _window(s, "window_mini.png")
    ww, wh = lib.size("gui", "window_mini.png")
    iw = lib.size("gui", "ExitQ.png")[0]
    s.sprite("gui", "ExitQ.png", CX - ww / 4, CY)
    s.label(CX - ww / 4 + iw / 2, CY + 8, "Do you really want to quit?", 24, INK, weight="bold")
    _ok_cancel(s, CY + wh / 2)
    return s


def strips(lib):
    """Every button and check-box strip at real size on the desk, frame by frame."""
    members = [(pack, member) for (pack, member) in sorted(lib.paths) if member.endswith(".png") and _is_strip(pack, member)]
    s = Scene(lib, 1400, 60 + sum(lib.size(p, m)[1] + 34 for p, m in members))
    s.tiled("menu", "lenolium.jpg", 0, 0, 1400, s.height)
    y = 20
    for pack, member in members:
        w, h = lib.size(pack, member)
        s.label(12, y + 14, f"{pack}/{member}  {w}x{h}", 14, "#fff3dc", weight="bold")
        s.sprite(pack, member, 12, y + 22, anchor="top-left")
        frames = 2 if "check" in member else 4
        for k in range(1, frames):
            s.rect(12 + k * w / frames, y + 22, 1, h, "#ff00ff", 0.6)
        y += h + 34
    return s


def players(lib, with_dialog=False):
    """The player window with its list, optionally with the name dialog open over it."""
    s = menu(lib)
    _window(s, "window_standart.png")
    tw, th = lib.size("gui", "window_standart.png")
    s.sprite("gui", "players_fon.png", CX, CY - 0.35 * th)
    s.label(CX, CY - 0.4 * th + 35 + 9, "Players", 26, INK, "middle", "bold")
    lx, ly = CX - tw / 2 + 0.05 * tw, CY - th / 2 + 0.2 * tw
    s.sprite("gui", "Names_back.jpg", lx, ly, anchor="top-left", size=(0.5 * tw, 0.5 * tw))
    pitch = lib.size("gui", "players_stroke.png")[1]
    for i, name in enumerate(("Eve", "Dan", "Chloe", "Boris", "Anna")):
        if i == 1:
            s.sprite("gui", "players_stroke.png", lx + 210, ly + 35 + pitch * i)
        s.label(lx + 45, ly + 40 + pitch * i + 7, str(i + 1), 20, INK, "middle")
        s.label(lx + 100, ly + 40 + pitch * i + 7, name, 20, INK)
    sw, sh = lib.size("gui", "slider_3.png")
    sx, sy = lx + sw / 2 + 0.5 * tw, ly + sh / 8
    for part, (py, plen) in enumerate(((sy, None), (sy + sw / 8 + (0.5 * tw - sw / 4) / 2, 0.5 * tw - sw / 4), (sy + 0.5 * tw, None), (sy + 60, None))):
        size = (plen, sh) if plen else None
        s.sprite("gui", "slider_3.png", sx, py, frame=part, rotate=90, size=size)
    s.sprite("gui", "slider_left.png", sx, sy - lib.size("gui", "slider_left.png")[0] / 32, frame=0)
    s.sprite("gui", "slider_right.png", sx, sy + 0.5 * tw + 10, frame=0)
    fw = lib.size("gui", "button_flat.png")[0]
    for y, label in ((CY - 0.2 * th, "Add"), (CY - 0.07 * th, "Delete")):
        s.sprite("gui", "button_flat.png", CX + 0.28 * tw, y, frame=0)
        s.label(CX + 0.28 * tw, y + 7, label, 18, INK, "middle", "bold")
    _ok_cancel(s, CY + th / 2)
    if not with_dialog:
        return s
    mw, mh = lib.size("gui", "window_mini.png")
    s.rect(0, 0, W, H, OVERLAY, 0.3)
    s.sprite("gui", "window_mini.png", CX, CY)
    s.label(CX, CY - 0.33 * mh + 50 + 9, "New player", 26, INK, "middle", "bold")
    s.label(CX, CY - 0.12 * mh + 50 + 6, "Type a name:", 18, INK, "middle")
    s.sprite("gui", "edit_name_box.png", CX - 200, CY - 27 + 50, anchor="top-left", size=(400, 54))
    s.label(CX - 180, CY + 50 + 8, "Mia|", 24, INK)
    ok_w = lib.size("gui", "button_ok.png")[0]
    s.sprite("gui", "button_ok.png", CX - ok_w / 8, CY + mh / 2 - 20, frame=0)
    s.sprite("gui", "button_cancel.png", CX + ok_w / 8, CY + mh / 2 - 20, frame=0)
    return s


def difficulty(lib):
    """The difficulty choice: the top third of the window as a panel along the bottom edge."""
    s = play(lib)
    ww, wh = lib.size("gui", "window_standart.png")
    ph = int(wh * 0.333)
    s.sprite("gui", "window_standart.png", CX, H - ph / 2, top_part=0.333)
    yc = H - ph * 0.5 + 30
    sw, sh = lib.size("gui", "slider_3.png")
    for y, text, knob in ((yc + 0.7 * sh + 15, "Pieces: 4 x 3", 0.1), (yc - 0.7 * sh + 30 - 40, "Deformation: 100", 0.0)):
        start, length = CX - ww * 0.4, ww * 0.45
        q = sw / 4
        s.sprite("gui", "slider_3.png", start, y, frame=0)
        s.sprite("gui", "slider_3.png", start + q / 2 + (length - q) / 2, y, frame=1, size=(length - q, sh))
        s.sprite("gui", "slider_3.png", start + length, y, frame=2)
        s.sprite("gui", "slider_3.png", start + q / 2 + (length - q) * knob, y, frame=3)
        mw = lib.size("gui", "slider_left.png")[0] / 4
        s.sprite("gui", "slider_left.png", start - mw / 8, y, frame=0)
        s.sprite("gui", "slider_right.png", start + mw / 4 + length, y, frame=0)
        s.label(start + 20, y - 1.5 * sh + 6, text, 17, INK)
    bx, by = CX + ww / 8 + 30, int(yc - 13)
    s.sprite("gui", "check_rotate.png", bx, by, frame=0, frames=2)
    s.sprite("gui", "rotation_text.png", bx, by - 23, anchor="bottom-right")
    ok_w = lib.size("gui", "button_ok.png")[0] / 4
    s.sprite("gui", "button_ok.png", CX + ww / 4 + 50, int(yc + 45), frame=0)
    s.sprite("gui", "button_cancel.png", CX + ww / 4 + 100 + ok_w, int(yc + 45), frame=0)
    return s


STRIP_WORDS = ("button", "slider_left", "slider_right", "check")


def _is_strip(pack, member):
    return any(word in member for word in STRIP_WORDS)


def loading(lib):
    """The loading screen: the floor, the loading card and the percentage under its centre."""
    s = Scene(lib, W, H)
    s.tiled("menu", "lenolium.jpg", 0, 0, W, H)
    s.sprite("loading", "loadwin.png", CX, CY)
    s.label(CX - 10, CY + 130 + 11, "42%", 30, INK, "middle", "bold")
    return s


def pocket_closed(lib):
    """The board with the pocket closed: only its corner shows, behind its button."""
    s = Scene(lib, W // 2, H // 2)
    s.sprite("level", "window_standart_2_2.png", W // 4, H // 4, size=(W // 2, H // 2))
    s.rect(0, 0, W // 2, H // 2, "#d4ffc3")
    s.body[-1] = s.body[-1].replace("/>", ' style="mix-blend-mode:multiply"/>')
    pw, ph = int(W * 0.6), int(H * 0.6)
    cw, chh = lib.size("pocket", "pocket2-2.png")
    sx, sy = 20, 20
    s.sprite("menu", "QSadow.png", cw + sx + 20, chh + sy + 20, anchor="bottom-right", size=(pw + 10, ph + 10))
    s.sprite("pocket", "pocket2-2.png", sx, sy, anchor="top-left")
    s.sprite("pocket", "pocket1-2.png", sx - (pw - cw), sy, anchor="top-left", size=(pw - cw, lib.size("pocket", "pocket1-2.png")[1]))
    s.sprite("pocket", "pocket2-1.png", sx, sy - (ph - chh), anchor="top-left", size=(lib.size("pocket", "pocket2-1.png")[0], ph - chh))
    bw, bh = lib.size("pocket", "button_pocket.png")
    s.sprite("pocket", "button_pocket.png", bw / 8, bh / 2, frame=1)
    return s


VIEWS = {
    "view_loading": loading,
    "view_pocket_closed": pocket_closed,
    "view_menu": menu,
    "view_menu_1920": lambda lib: menu(lib, 1920, 1080),
    "view_play": play,
    "view_settings": settings,
    "view_trophies": trophies,
    "view_leaders": leaders,
    "view_win": win,
    "view_help": help_page,
    "view_quit": questions,
    "view_players": players,
    "view_name": lambda lib: players(lib, with_dialog=True),
    "view_difficulty": difficulty,
    "view_strips": strips,
}
