#include "fieldkit/line_of_sight_text.h"

#include "calc/calc_texts.h"
#include "encoding/text_builder.h"
#include "fieldkit/fieldkit_texts.h"
#include "numtext/numtext.h"

namespace {

using calc_text::CloseBracket;
using calc_text::Degrees;
using calc_text::OpenBracket;
using fieldkit_text::AboveObstacles;
using fieldkit_text::BelowHorizon;
using fieldkit_text::Clear;
using fieldkit_text::Hidden;
using fieldkit_text::NoObstacle;
using fieldkit_text::ObstacleHeight;
using fieldkit_text::SightLabel;

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
