#include "fieldkit/line_of_sight_text.h"

#include "encoding/text_builder.h"
#include "numtext/numtext.h"

namespace {

// Code page 936 texts, each standing alone so that no escape runs into what follows.
const char SightLabel[] = "\xCA\xD3\xCF\xDF\xA3\xBA";                            // 视线：
const char Clear[] = "\xCD\xA8\xB3\xA9";                                         // 通畅
const char NoObstacle[] = "\xCE\xDE\xD5\xDA\xB5\xB2\xCE\xEF";                    // 无遮挡物
const char Hidden[] = "\xB1\xBB\xD5\xDA\xB5\xB2";                                // 被遮挡
const char AboveObstacles[] = "\xB8\xDF\xB3\xF6\xD5\xDA\xB5\xB2";                // 高出遮挡
const char ObstacleHeight[] = "\xD5\xDA\xB5\xB2\xCE\xEF\xB8\xDF";                // 遮挡物高
const char BelowHorizon[] = "\xD4\xDA\xB5\xD8\xC6\xBD\xCF\xDF\xD2\xD4\xCF\xC2";  // 在地平线以下
const char OpenBracket[] = "\xA3\xA8";                                           // （
const char CloseBracket[] = "\xA3\xA9";                                          // ）
const char Degrees[] = "\xB6\xC8";                                               // 度

}  // namespace

void buildLineOfSightText(const SatelliteFieldNumbers& numbers, const HorizonClearance& clearance,
                          bool anyObstacle, char (&text)[LineOfSightTextCapacity]) {
    TextBuilder line(text, sizeof text);
    line << SightLabel;
    char number[NumberTextCapacity];
    if (!numbers.visible) {
        line << Hidden << OpenBracket << BelowHorizon << CloseBracket;
    } else if (!anyObstacle) {
        line << NoObstacle;
    } else if (clearance.clear) {
        NumberToText(clearance.clearance, number, 0, 2);
        line << Clear << OpenBracket << AboveObstacles << number << Degrees << CloseBracket;
    } else {
        NumberToText(clearance.horizonElevation, number, 0, 2);
        line << Hidden << OpenBracket << ObstacleHeight << number << Degrees << CloseBracket;
    }
}
