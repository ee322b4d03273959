// SAVED_PUZZLE: writing and parsing the ".pzl" document.
#include "game/board/saved_puzzle.h"

#include <cmath>
#include <pugixml.hpp>
#include <sstream>

namespace GAME {
namespace {

// Written for the pack password of the original format; never read.
constexpr const char* kImgPss = "7403";

pugi::xml_node FirstElement(const pugi::xml_node& parent) {
    for (pugi::xml_node child : parent.children()) {
        if (child.type() == pugi::node_element) {
            return child;
        }
    }
    return {};
}

}  // namespace

int DistortPercent(float distort) {
    return static_cast<int>(std::lround(distort * 100.0f));
}

std::string WriteSavedPuzzle(const SAVED_PUZZLE& saved) {
    const BOARD_COUNTERS& c = saved.counters;
    pugi::xml_document document;
    pugi::xml_node root = document.append_child("Save");
    root.append_attribute("ImgAdr").set_value(saved.ImgAdr.c_str());
    root.append_attribute("ImgSmAdr").set_value(saved.ImgSmAdr.c_str());
    root.append_attribute("piece_amount").set_value(saved.piece_amount);
    root.append_attribute("ImgPkAdr").set_value(saved.ImgPkAdr.c_str());
    root.append_attribute("ImgPss").set_value(kImgPss);
    root.append_attribute("Min").set_value(saved.Min);
    root.append_attribute("distort").set_value(saved.distort);
    root.append_attribute("typeborder").set_value(saved.typeborder);
    root.append_attribute("fly").set_value(saved.fly);
    root.append_attribute("frame").set_value(saved.frame);
    root.append_attribute("regT").set_value(c.regT);
    root.append_attribute("regTa").set_value(c.regTa);
    root.append_attribute("regH").set_value(c.regH);
    root.append_attribute("regCg").set_value(c.regCg);
    root.append_attribute("regSc").set_value(c.regSc);
    root.append_attribute("regPf").set_value(c.regPf);
    root.append_attribute("regBr").set_value(c.regBr);
    root.append_attribute("regF").set_value(c.regF);
    root.append_attribute("rt").set_value(saved.rt);
    root.append_attribute("regGVN").set_value(c.regGVN ? 1 : 0);
    root.append_attribute("regGVN2").set_value(c.regGVN2 ? 1 : 0);
    root.append_attribute("regFastGlue").set_value(c.regFastGlue);
    root.append_attribute("regFinishP").set_value(c.regFinishP);
    root.append_attribute("regRes").set_value(saved.regRes);
    root.append_attribute("cstr").set_value(c.cstr);
    if (saved.ImgPkAdr.empty()) {
        root.append_attribute("ImgSize").set_value(static_cast<long long>(saved.ImgSize));
        root.append_attribute("ImgTime").set_value(static_cast<long long>(saved.ImgTime));
        root.append_attribute("ImgTierW").set_value(saved.ImgTierW);
        root.append_attribute("ImgTierH").set_value(saved.ImgTierH);
    }
    for (const SAVED_PIECE& piece : saved.pieces) {
        pugi::xml_node element = root.append_child("Piece");
        element.append_attribute("posx").set_value(piece.posx);
        element.append_attribute("posy").set_value(piece.posy);
        element.append_attribute("trt").set_value(piece.trt);
        element.append_attribute("nstr").set_value(piece.nstr);
        element.append_attribute("BK").set_value(piece.BK);
    }
    std::ostringstream text;
    document.save(text, "\t", pugi::format_indent, pugi::encoding_auto);
    return text.str();
}

std::optional<SAVED_PUZZLE> ParseSavedPuzzle(std::string_view bytes) {
    pugi::xml_document document;
    if (!document.load_buffer(bytes.data(), bytes.size())) {
        return std::nullopt;
    }
    const pugi::xml_node root = FirstElement(document);
    if (!root) {
        return std::nullopt;
    }
    SAVED_PUZZLE saved;
    BOARD_COUNTERS& c = saved.counters;
    saved.ImgAdr = root.attribute("ImgAdr").as_string();
    saved.ImgSmAdr = root.attribute("ImgSmAdr").as_string();
    saved.piece_amount = root.attribute("piece_amount").as_int();
    saved.ImgPkAdr = root.attribute("ImgPkAdr").as_string();
    saved.Min = root.attribute("Min").as_int();
    saved.distort = root.attribute("distort").as_int();
    saved.typeborder = root.attribute("typeborder").as_bool() ? 1 : 0;
    saved.fly = root.attribute("fly").as_bool();
    saved.frame = root.attribute("frame").as_bool();
    c.regT = root.attribute("regT").as_float();
    c.regTa = root.attribute("regTa").as_float();
    c.regH = root.attribute("regH").as_int();
    c.regCg = root.attribute("regCg").as_int();
    c.regSc = root.attribute("regSc").as_int();
    c.regPf = root.attribute("regPf").as_int();
    c.regBr = root.attribute("regBr").as_int();
    c.regF = root.attribute("regF").as_int();
    saved.rt = root.attribute("rt").as_bool();
    c.regGVN = root.attribute("regGVN").as_int() != 0;
    c.regGVN2 = root.attribute("regGVN2").as_int() != 0;
    c.regFastGlue = root.attribute("regFastGlue").as_int();
    c.regFinishP = root.attribute("regFinishP").as_int();
    saved.regRes = root.attribute("regRes").as_int();
    c.cstr = root.attribute("cstr").as_int();
    saved.ImgSize = root.attribute("ImgSize").as_llong();
    saved.ImgTime = root.attribute("ImgTime").as_llong();
    saved.ImgTierW = root.attribute("ImgTierW").as_int();
    saved.ImgTierH = root.attribute("ImgTierH").as_int();
    for (pugi::xml_node element : root.children()) {
        if (saved.pieces.size() == kMostSavedPieces) {
            break;
        }
        if (element.type() != pugi::node_element) {
            continue;
        }
        SAVED_PIECE piece;
        piece.posx = element.attribute("posx").as_float();
        piece.posy = element.attribute("posy").as_float();
        piece.trt = element.attribute("trt").as_int();
        piece.nstr = element.attribute("nstr").as_int();
        piece.BK = element.attribute("BK").as_int();
        saved.pieces.push_back(piece);
    }
    return saved;
}

}  // namespace GAME
