// The installation sheet as HTML. The screen layout is for a phone held in
// one hand (nothing wider than the screen, text from 14 px); print gives A4
// pages, the table on landscape pages of its own with its header on each.

#include <cmath>

#include "fieldkit/install_sheet.h"
#include "fieldkit/sky_svg.h"
#include "numtext/numtext.h"

#ifndef KESTRAVE_VERSION
#define KESTRAVE_VERSION "3.0.0"
#endif

namespace {

const char Style[] = R"(
*{box-sizing:border-box}
body{margin:0 auto;padding:12px;max-width:1100px;font:16px/1.45 "Microsoft YaHei","PingFang SC","Noto Sans CJK SC","WenQuanYi Zen Hei",sans-serif;color:#111;background:#fff}
h1{font-size:22px;margin:0 0 4px}
h2{font-size:18px;margin:18px 0 6px;border-bottom:2px solid #1f4e9a}
.site{font-size:20px;font-weight:bold;margin:0 0 8px}
dl{display:grid;grid-template-columns:max-content 1fr;gap:2px 12px;margin:0}
dt{color:#444}
dd{margin:0;font-weight:bold;min-width:0;overflow-wrap:anywhere}
ol{margin:0;padding-left:1.4em}
.top{display:flex;flex-wrap:wrap;gap:12px;justify-content:space-between;align-items:flex-start}
.facts{flex:1 1 300px;min-width:0}
figure{margin:0}
figure.sky{margin-top:12px}
figure.rose{flex:0 0 190px}
figure svg{display:block;width:100%;height:auto}
figcaption{font-size:14px;color:#333}
.scroll{overflow-x:auto;max-width:100%}
table{border-collapse:collapse;font-size:14px;white-space:nowrap}
th,td{border:1px solid #999;padding:3px 6px;text-align:left}
th{background:#e8f1fa}
td.number{text-align:right}
tr.hidden td{color:#777;background:#f3f3f3}
footer{margin-top:18px;font-size:14px;color:#444;border-top:1px solid #999;padding-top:6px}
@page{size:A4 portrait;margin:12mm}
@page wide{size:A4 landscape;margin:9mm}
@media print{
body{max-width:none;padding:0;font-size:11pt}
.satellites,footer{page:wide}
.scroll{overflow:visible}
table{font-size:7.5pt}
th,td{padding:1px 3px}
thead{display:table-header-group}
tr,figure,.howto{break-inside:avoid}
h2{break-after:avoid}
}
)";

std::string twoDecimals(long double value) {
    char text[NumberTextCapacity];
    NumberToText(value, text, 0, 2);
    return text;
}

std::string fact(const char* term, const std::string& value) {
    return std::string("<dt>") + term + "</dt><dd>" + xmlEscaped(value) + "</dd>\n";
}

std::string cell(const std::string& text, bool number = false) {
    return std::string(number ? "<td class=\"number\">" : "<td>") + xmlEscaped(text) + "</td>";
}

// North up; magnetic north turned by the declination (east positive, clockwise).
std::string compassRose(double declination) {
    return u8R"svg(<svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 200 200" width="200" height="200">
<circle cx="100" cy="100" r="78" fill="#f7f9fc" stroke="#1f4e9a" stroke-width="2"/>
<g stroke="#1f4e9a" stroke-width="2"><line x1="100" y1="22" x2="100" y2="32"/><line x1="178" y1="100" x2="168" y2="100"/><line x1="100" y1="178" x2="100" y2="168"/><line x1="22" y1="100" x2="32" y2="100"/></g>
<g font-size="16" font-weight="bold" text-anchor="middle" fill="#111"><text x="100" y="16">北</text><text x="191" y="106">东</text><text x="100" y="198">南</text><text x="9" y="106">西</text></g>
<polygon points="100,30 108,100 100,92 92,100" fill="#111"/>
<g transform="rotate()svg" +
           twoDecimals(declination) +
           u8R"svg( 100 100)"><line x1="100" y1="100" x2="100" y2="42" stroke="#c0392b" stroke-width="3"/><polygon points="100,34 106,48 94,48" fill="#c0392b"/><text x="110" y="58" font-size="14" fill="#c0392b">磁北</text></g>
<circle cx="100" cy="100" r="4" fill="#111"/></svg>)svg";
}

// The sky picture inline: its document without the XML declaration.
std::string inlineSvg(const std::string& document) {
    const std::size_t start = document.find("<svg");
    return start == std::string::npos ? std::string() : document.substr(start);
}

std::string siteFacts(const InstallSheet& sheet) {
    const FieldReportSite& site = sheet.site;
    std::string facts = "<dl>\n";
    facts += fact(u8"地点", site.name);
    facts += fact(u8"坐标", sheet.coordinates);
    if (site.nearestPlace) {
        char distance[NumberTextCapacity];
        NumberToText(site.nearestPlace->distanceKm, distance, 0, 1);
        facts += fact(u8"最近的地名", site.nearestPlace->name + u8"（" + distance + u8"公里）");
    }
    facts += fact(u8"高度", twoDecimals(site.heightMetres) + u8"米");
    facts += fact(u8"日期", site.date);
    facts += fact(u8"磁偏角", sheet.declination);
    facts += fact(u8"极轴座", sheet.polarMount);
    if (sheet.withOffset) facts += fact(u8"偏馈角", sheet.offsetAngle);
    facts += fact(u8"日凌按", sheet.dishAndBand);
    return facts + "</dl>\n";
}

const char HowToAim[] =
    u8R"(<ol>
<li>用铅垂线或水平尺把立杆调到竖直：立杆不直，方位和仰角都会偏。</li>
<li>按表中的仰角（偏馈天线按偏馈仰角）设好天线的仰角刻度。</li>
<li>转到罗盘方位角（罗盘远离铁器、空调和钢屋顶），或在对日寻星的时刻看竖直立杆的影子：“背向”时天线朝影子的反方向，“指向”时朝影子的方向。</li>
<li>看接收机的信号强度和质量，左右、上下慢慢微调到最大。</li>
<li>拧紧全部螺栓，再看一次信号；极化角按表中数值转动馈源。</li>
</ol>)";

std::string satelliteTable(const InstallSheet& sheet) {
    std::string table =
        u8"<div class=\"scroll\"><table>\n<thead><tr><th>卫星名称</th><th>经度</th>"
        u8"<th>仰角</th><th>方位角</th><th>真方位角</th><th>罗盘方位角</th>";
    if (sheet.withOffset) table += u8"<th>偏馈仰角</th>";
    table +=
        u8"<th>极化角</th><th>马达角度</th><th>视线</th><th>下次日凌</th><th>对日寻星</th></tr></"
        u8"thead>\n"
        u8"<tbody>\n";
    for (const InstallSheetRow& row : sheet.rows) {
        const FieldReportRow& report = row.report;
        table += row.hidden ? "<tr class=\"hidden\">" : "<tr>";
        table += cell(report.name) + cell(report.longitudeText, true) +
                 cell(report.elevationText, true) + cell(report.azimuthText) +
                 cell(twoDecimals(report.numbers.azimuth), true) +
                 cell(twoDecimals(report.numbers.magneticAzimuth), true);
        if (sheet.withOffset)
            table +=
                cell(report.offsetElevation ? twoDecimals(*report.offsetElevation) : "-", true);
        table += cell(report.polarisationText, true) + cell(row.motorAngle, true) +
                 cell(row.lineOfSight) + cell(row.outageSeason) + cell(row.sunAim) + "</tr>\n";
    }
    return table + "</tbody>\n</table></div>\n";
}

}  // namespace

std::string installSheetHtml(const InstallSheet& sheet) {
    const std::string title = u8"安装单 " + sheet.site.name + " " + sheet.site.date;
    std::string html =
        "<!DOCTYPE html>\n<html lang=\"zh-CN\">\n<head>\n<meta charset=\"utf-8\">\n"
        "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
        "<title>" +
        xmlEscaped(title) + "</title>\n<style>" + Style + "</style>\n</head>\n<body>\n";
    html +=
        u8"<div class=\"top\"><div class=\"facts\"><h1>卫星天线安装单</h1>\n<p class=\"site\">" +
        xmlEscaped(sheet.site.name) + "</p>\n" + siteFacts(sheet) +
        u8"</div>\n<figure class=\"rose\">" + compassRose(sheet.site.declination) +
        u8"<figcaption>黑：真北；红：磁北（罗盘所指）</figcaption></figure></div>\n";
    html +=
        u8"<section class=\"howto\"><h2>怎样对星</h2>\n" + std::string(HowToAim) + "</section>\n";
    html += u8"<figure class=\"sky\">" + inlineSvg(sheet.skySvg) +
            u8"<figcaption>朝赤道方向看的天空：红线为地球同步轨道，蓝点为地平线以上的卫星"
            u8"</figcaption></figure>\n";
    html +=
        u8"<section class=\"satellites\"><h2>卫星</h2>\n" + satelliteTable(sheet) + "</section>\n";
    html += u8"<footer>Kestrave " KESTRAVE_VERSION u8" · 当前卫星列表 " + sheet.listDate +
            u8" · 计算日期 " + xmlEscaped(sheet.site.date) + "</footer>\n</body>\n</html>\n";
    return html;
}
