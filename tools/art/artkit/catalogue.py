"""Every interface image the game loads: its pack folder, member name, pixel size and template.

Pack folders are the registry's pack paths without "DATA/". Button strips hold four equal frames
(normal, hover, pressed, disabled or selected); check boxes two (empty, ticked); the slider four
quarters (left cap, track, right cap, knob).
"""
from dataclasses import dataclass
from typing import Callable

from . import book, decor, desk, panels, paper, particles, trophies, widgets
from . import palette as P

SELECTED = ("normal", "hover", "pressed", "selected")


@dataclass
class Item:
    pack: str
    member: str
    width: int
    height: int
    draw: Callable
    frames: int = 1


def _strip(pack, member, frame_w, frame_h, face, states=widgets.STATES):
    def draw(svg):
        widgets.strip(svg, frame_w, frame_h, face, states)

    return Item(pack, member, frame_w * len(states), frame_h, draw, len(states))


def _round(pack, member, frame, base, icon, states=widgets.STATES):
    return _strip(pack, member, frame, frame, widgets.round_face(base, icon), states)


def _pill(pack, member, frame_w, frame_h, base, icon=None, light=False):
    return _strip(pack, member, frame_w, frame_h, widgets.pill_face(base, icon, light=light))


def _menu():
    menu = "menu"
    items = [
        Item(menu, "up_panel.png", 600, 96, lambda s: panels.player_plate(s, 600, 96)),
        Item(menu, "menu_panel.png", 800, 128, lambda s: panels.menu_tray(s, 800, 128)),
        _round(menu, "top_button.png", 92, P.BLUE, "podium"),
        _round(menu, "trophy_button.png", 92, P.BLUE, "cup"),
        _round(menu, "compleate_button.png", 92, P.BLUE, "scores"),
        _round(menu, "play_button.png", 124, P.GREEN, "play"),
        _round(menu, "cut_button.png", 92, P.BLUE, "piece"),
        _round(menu, "exit_button.png", 92, P.RED, "door"),
        _round(menu, "settings_button.png", 92, P.BLUE, "gear"),
        Item(menu, "Border.png", 32, 512, lambda s: desk.border_strip(s, 32, 512)),
        Item(menu, "left_corner.png", 180, 300, lambda s: desk.pencils(s, 180, 300)),
        Item(menu, "right_corner.png", 180, 280, lambda s: desk.flash_drive(s, 180, 280)),
        Item(menu, "white_plain.png", 32, 32, lambda s: paper.plain(s, 32, 32)),
        Item(menu, "QSadow.png", 128, 128, lambda s: paper.soft_shadow(s, 128, 128)),
        _round(menu, "button_trash.png", 64, P.RED, "trash"),
        _round(menu, "button_right.png", 64, P.BLUE, "right"),
        _round(menu, "button_left.png", 64, P.BLUE, "left"),
        Item(menu, "lenolium.jpg", 512, 512, lambda s: desk.wood_tile(s, 512, 512)),
        Item(menu, "Cursor.png", 32, 32, lambda s: decor.cursor(s, 32)),
        Item(menu, "change_player.png", 120, 64, lambda s: panels.change_player_sign(s, 120, 64)),
    ]
    # The loading thread makes the label icons with the menu pack selected; the win dialog shares them.
    for pack in (menu, "gui"):
        items.append(Item(pack, "complit_rotation.png", 48, 48, lambda s: decor.label_badge(s, 48, "rotate", P.BLUE)))
        items.append(Item(pack, "complit_no_rotation.png", 48, 48, lambda s: decor.label_badge(s, 48, "upright", P.INK_SOFT)))
    # The book tabs: the current tab is the disabled frame and matches the page paper.
    for pack in (menu, "book"):
        items.append(_strip(pack, "gallery_button.png", 180, 60, widgets.tab_face(P.TEAL)))
    return items


def _book():
    items = []
    for col in "12345":
        for row in "123":
            code = f"{col}_{row}"
            w, h = book.piece_size(code)
            items.append(Item("book", f"{col}-{row}.png", w, h, lambda s, c=code: book.draw_piece(s, c)))
    return items


def _level():
    level = "level"
    items = [
        Item(level, "PlayPanel.png", 820, 120, lambda s: panels.play_tray(s, 820, 120)),
        _round(level, "exit_button.png", 100, P.RED, "door"),
    ]
    # The panel shows a tool that is on with the fourth frame: a selected look, not a disabled one.
    for member, icon in (
        ("button_ghost.png", "ghost"),
        ("button_hint.png", "bulb"),
        ("button_image.png", "window"),
        ("button_sort.png", "sort"),
        ("button_magnifier.png", "magnifier"),
        ("button_border.png", "border"),
        ("settings_button.png", "gear"),
    ):
        items.append(_round(level, member, 100, P.BLUE, icon, SELECTED))
    # Zoom steps of the floating picture; the current one is shown with the fourth frame.
    for step in (1, 2, 3):
        items.append(_strip(level, f"x{step}_button.png", 48, 32, widgets.text_face(P.BLUE, f"\u00d7{step}", 17), SELECTED))
    items.append(_round(level, "close_button.png", 32, P.RED, "cross"))
    # The board builds its background and score plate with these packs selected. The background
    # is the felt the board tiles at its own size; the colour chooser shrinks it into a chip.
    for pack in (level, "gui"):
        items.append(Item(pack, "window_standart_2_2.png", 256, 256, lambda s: desk.felt_tile(s, 256, 256)))
        items.append(Item(pack, "score_panel.png", 420, 80, lambda s: panels.score_plate(s, 420, 80)))
    return items


def _pocket():
    pocket = "pocket"
    return [
        _round(pocket, "button_pocket.png", 80, P.BLUE, "drawer", SELECTED),
        Item(pocket, "pocket1-1.png", 64, 64, lambda s: panels.pocket_tile(s, "body")),
        Item(pocket, "pocket1-2.png", 64, 96, lambda s: panels.pocket_tile(s, "bottom")),
        Item(pocket, "pocket2-1.png", 96, 64, lambda s: panels.pocket_tile(s, "right")),
        Item(pocket, "pocket2-2.png", 96, 96, lambda s: panels.pocket_tile(s, "corner")),
    ]


def _gui():
    gui = "gui"
    items = []
    # The trophy panel loads its trophies with the trophy pack selected; its window, header plate,
    # magnifier and OK button are staged there too, so that either selection finds them.
    for pack in (gui, "trofei"):
        items += [
            _pill(pack, "button_ok.png", 150, 60, P.GREEN, "check"),
            Item(pack, "window_standart.png", 800, 600, lambda s: paper.window(s, 800, 600)),
            Item(pack, "trofi_fon.png", 520, 120, lambda s: paper.ribbon(s, 520, 120, band_centre=35, stars=3)),
            Item(pack, "zoom.png", 130, 110, lambda s: decor.magnifier_deco(s, 130, 110)),
        ]
    items += [
        _pill(gui, "button_cancel.png", 150, 60, P.RED, "cross"),
        _pill(gui, "button_flat.png", 220, 56, P.PAPER_SHADE, light=True),
        _pill(gui, "button_replay.png", 150, 60, P.GREEN, "replay"),
        _round(gui, "slider_right.png", 40, P.BLUE, "plus"),
        _round(gui, "slider_left.png", 40, P.BLUE, "minus"),
        Item(gui, "slider_3.png", 128, 32, lambda s: widgets.slider_quarters(s, 32, 32), 4),
        Item(gui, "checkbox_button.png", 80, 40, lambda s: widgets.check_box_frames(s, 40), 2),
        Item(gui, "check_rotate.png", 96, 48, lambda s: widgets.check_box_frames(s, 48, emblem="rotate"), 2),
        Item(gui, "window_mini.png", 680, 420, lambda s: paper.window(s, 680, 420)),
        Item(gui, "liderboard_fon.png", 520, 96, lambda s: paper.ribbon(s, 520, 96, band_centre=38, emblem="podium")),
        Item(gui, "liderboard_tablica.png", 600, 56, lambda s: paper.table_row(s, 600, 56)),
        Item(gui, "under_table.png", 616, 68, lambda s: paper.table_highlight(s, 616, 68)),
        Item(gui, "players_fon.png", 520, 96, lambda s: paper.ribbon(s, 520, 96, band_centre=53)),
        Item(gui, "players_stroke.png", 380, 40, lambda s: paper.list_highlight(s, 380, 40)),
        Item(gui, "Names_back.jpg", 400, 400, lambda s: paper.list_page(s, 400, 400)),
        Item(gui, "edit_name_box.png", 400, 56, lambda s: paper.text_field(s, 400, 56)),
        Item(gui, "violin.png", 110, 160, lambda s: decor.violin(s, 110, 160)),
        Item(gui, "gear.png", 120, 120, lambda s: decor.brass_gear(s, 120)),
        Item(gui, "fortepiano.png", 170, 120, lambda s: decor.piano(s, 170, 120)),
        Item(gui, "score_fon.png", 140, 140, lambda s: decor.laurel(s, 140)),
        Item(gui, "select_fon.png", 260, 200, lambda s: decor.monitor(s, 260, 200)),
        Item(gui, "ExitQ.png", 150, 150, lambda s: decor.question_badge(s, 150, "door", P.RED)),
        Item(gui, "window_save_fon.png", 150, 150, lambda s: decor.question_badge(s, 150, "save", P.BLUE)),
        Item(gui, "rotation_text.png", 64, 64, lambda s: decor.rotation_caption(s, 64)),
        Item(gui, "complit_tablica.png", 560, 150, lambda s: paper.ribbon(s, 560, 150, band_centre=40, stars=3)),
        Item(gui, "avtor_fon.png", 200, 380, lambda s: decor.night_panel(s, 200, 380)),
        Item(gui, "windows_FAQ_fon2.png", 168, 168, lambda s: decor.help_mouse(s, 168, "left")),
        Item(gui, "windows_FAQ_fon3.png", 168, 168, lambda s: decor.help_mouse(s, 168, "right")),
        Item(gui, "windows_FAQ_fon1.png", 168, 168, lambda s: decor.help_pocket(s, 168)),
    ]
    return items


def _trophies():
    items = []
    for base, emblem, ribbon, levels in trophies.TROPHIES:
        for level in range(1, levels + 1):
            items.append(
                Item("trofei", f"{base}{level}.png", 110, 110, lambda s, e=emblem, r=ribbon, lv=level: trophies.medal(s, 110, e, r, lv))
            )
    items.append(Item("trofei", "trofi_povelitel.png", 110, 110, lambda s: trophies.lord(s, 110)))
    return items


def _effects_and_loading():
    return [
        Item("effects", "1trackbar_but.png", 64, 64, lambda s: particles.soft_dot(s, 64)),
        Item("effects", "cursor_stars1.png", 64, 64, lambda s: particles.sparkle(s, 64)),
        Item("effects", "bonus.png", 64, 64, lambda s: particles.glow_star(s, 64)),
        Item("effects", "ice_piece.png", 64, 64, lambda s: particles.crystal(s, 64)),
        Item("loading", "loadwin.png", 640, 400, lambda s: decor.loading_picture(s, 640, 400)),
        Item("loading", "Loading.png", 96, 96, lambda s: decor.brass_gear(s, 96, teeth=9)),
        Item("icons", "window_32.png", 32, 32, lambda s: decor.window_icon(s, 32)),
        Item("icons", "window_64.png", 64, 64, lambda s: decor.window_icon(s, 64)),
    ]


def items():
    return _menu() + _book() + _level() + _pocket() + _gui() + _trophies() + _effects_and_loading()
