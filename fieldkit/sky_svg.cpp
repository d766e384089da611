#include "fieldkit/sky_svg.h"

#include <cmath>

namespace {

const char FontFamily[] = "WenQuanYi Zen Hei, SimSun, Microsoft YaHei, sans-serif";

std::string attribute(const char* name, double value) {
    return std::string(" ") + name + "=\"" + svgNumber(value) + "\"";
}

const char* anchorName(SkyAnchor anchor) {
    switch (anchor) {
        case SkyAnchor::Middle:
            return "middle";
        case SkyAnchor::End:
            return "end";
        default:
            return "start";
    }
}

class SvgWriter {
public:
    explicit SvgWriter(TextToUtf8 toUtf8) : toUtf8_(toUtf8) {}

    void rect(const SkyBox& box, const char* style) {
        out += "<rect" + attribute("x", box.left) + attribute("y", box.top) +
               attribute("width", box.right - box.left) +
               attribute("height", box.bottom - box.top) + " " + style + "/>\n";
    }
    void line(double x1, double y1, double x2, double y2, const char* style) {
        out += "<line" + attribute("x1", x1) + attribute("y1", y1) + attribute("x2", x2) +
               attribute("y2", y2) + " " + style + "/>\n";
    }
    void polyline(const std::vector<SkyPoint>& points, const char* style) {
        pointsElement("polyline", points, style);
    }
    void polygon(const std::vector<SkyPoint>& points, const char* style) {
        pointsElement("polygon", points, style);
    }
    void pointsElement(const char* element, const std::vector<SkyPoint>& points,
                       const char* style) {
        out += std::string("<") + element + " points=\"";
        for (std::size_t i = 0; i < points.size(); ++i) {
            if (i > 0) out += ' ';
            out += svgNumber(points[i].x) + "," + svgNumber(points[i].y);
        }
        out += std::string("\" ") + style + "/>\n";
    }
    void circle(const SkyPoint& centre, double radius, const char* style) {
        out += "<circle" + attribute("cx", centre.x) + attribute("cy", centre.y) +
               attribute("r", radius) + " " + style + "/>\n";
    }
    void text(const SkyText& text, const char* style) {
        std::string utf8;
        if (!toUtf8_(text.text, utf8)) return;
        out += "<text" + attribute("x", text.at.x) + attribute("y", text.at.y) +
               attribute("font-size", text.size) + " text-anchor=\"" + anchorName(text.anchor) +
               "\" " + style + ">" + xmlEscaped(utf8) + "</text>\n";
    }

    std::string out;

private:
    TextToUtf8 toUtf8_;
};

}  // namespace

std::string svgNumber(double value) {
    if (!std::isfinite(value)) return "0";
    const long long tenths = std::llround(std::fabs(value) * 10);
    std::string text = value < 0 && tenths != 0 ? "-" : "";
    text += std::to_string(tenths / 10);
    if (tenths % 10 != 0) text += "." + std::to_string(tenths % 10);
    return text;
}

std::string skyPictureSvg(const SkyLayout& layout, TextToUtf8 toUtf8) {
    SvgWriter svg(toUtf8);
    svg.out =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\"" +
        attribute("width", layout.width) + attribute("height", layout.height) + " viewBox=\"0 0 " +
        svgNumber(layout.width) + " " + svgNumber(layout.height) + "\" font-family=\"" +
        FontFamily + "\">\n";
    svg.rect({0, 0, layout.width, layout.height}, "fill=\"#ffffff\"");
    svg.rect(layout.frame.sky, "fill=\"#e8f1fa\"");
    svg.rect(layout.ground, "fill=\"#d8c8a0\"");

    const SkyBox& sky = layout.frame.sky;
    for (double x : layout.gridX)
        svg.line(x, sky.top, x, sky.bottom, "stroke=\"#b9cbe0\" stroke-width=\"0.7\"");
    for (double y : layout.gridY)
        svg.line(sky.left, y, sky.right, y, "stroke=\"#b9cbe0\" stroke-width=\"0.7\"");
    svg.line(sky.left, sky.bottom, sky.right, sky.bottom,
             "stroke=\"#6b5a32\" stroke-width=\"1.5\"");
    // The degree numbers in the title's black: on the white margin and the
    // light ground they read as well as the picture's other texts.
    for (const SkyText& text : layout.scale) svg.text(text, "fill=\"#000000\"");
    for (const SkyText& text : layout.compassWords)
        svg.text(text, "fill=\"#000000\" font-weight=\"bold\"");

    if (!layout.horizon.empty())
        svg.polygon(layout.horizon,
                    "fill=\"#8a7550\" fill-opacity=\"0.55\" stroke=\"#5a4a2a\" stroke-width=\"1\"");

    // The meridian, where a motor stands at 0, and the arc's ends named by their longitudes.
    svg.line(layout.meridianX, sky.top, layout.meridianX, sky.bottom,
             "stroke=\"#3a5a7a\" stroke-width=\"1\" stroke-dasharray=\"5,4\"");
    svg.text(layout.meridianLabel, "fill=\"#3a5a7a\"");
    for (const std::vector<SkyPoint>& piece : layout.arc)
        svg.polyline(piece, "fill=\"none\" stroke=\"#d0402f\" stroke-width=\"1.6\"");
    for (const SkyPoint& end : layout.arcEnds)
        svg.line(end.x, end.y - 6, end.x, end.y + 6, "stroke=\"#d0402f\" stroke-width=\"2\"");
    for (const SkyText& label : layout.arcEndLabels) svg.text(label, "fill=\"#8a2a1a\"");

    // Today's sun and the moments of aiming by it: a sun for "toward", a ring
    // for "away".
    for (const std::vector<SkyPoint>& piece : layout.sunAimTrack)
        svg.polyline(piece, "fill=\"none\" stroke=\"#e08a00\" stroke-width=\"1.2\"");
    for (const SkySunAimMark& mark : layout.sunAimMarks) {
        svg.circle(mark.at, 4,
                   mark.kind == SunAimKind::Toward
                       ? "fill=\"#ff9600\" stroke=\"#964600\" stroke-width=\"1\""
                       : "fill=\"#ffffff\" stroke=\"#964600\" stroke-width=\"1.5\"");
        svg.text(mark.time, "fill=\"#964600\"");
    }

    for (const SkySatellite& mark : layout.satellites)
        if (mark.leader)
            svg.line(mark.dot.x, mark.dot.y, mark.leaderEnd.x, mark.leaderEnd.y,
                     "stroke=\"#7f8c99\" stroke-width=\"0.6\"");
    for (const SkySatellite& mark : layout.satellites) {
        svg.circle(mark.dot, 3.5,
                   mark.visible ? "fill=\"#1f4e9a\" stroke=\"#ffffff\" stroke-width=\"0.8\""
                                : "fill=\"#ffffff\" stroke=\"#6b6b6b\" stroke-width=\"1.2\"");
        svg.text(mark.label, mark.visible ? "fill=\"#102a50\"" : "fill=\"#6b6b6b\"");
    }

    svg.text(layout.title, "fill=\"#000000\" font-weight=\"bold\"");
    svg.text(layout.note, "fill=\"#8a2a1a\"");
    svg.text(layout.legend, "fill=\"#4a5a6a\"");
    svg.out += "</svg>\n";
    return svg.out;
}

std::string xmlEscaped(const std::string& text) {
    std::string out;
    for (char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            case '\'':
                out += "&apos;";
                break;
            default:
                // XML 1.0 has no place for the other control characters.
                if (static_cast<unsigned char>(c) >= 0x20 || c == '\t' || c == '\n') out += c;
        }
    }
    return out;
}
