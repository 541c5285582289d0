#include "startup/builtin_texts.h"

#include <initializer_list>
#include <iterator>
#include <string>

#include "common/number_forms.h"
#include "startup/avcalc_mod.h"
#include "startup/data_file.h"
#include "startup/text_lines.h"

namespace AvcalcMod {
namespace {

std::string Joined(std::initializer_list<const char*> parts) {
    std::string text;
    for (const char* part : parts) {
        if (!text.empty()) text += "\r\n";
        text += part;
    }
    return text;
}

}  // namespace

void WriteBuiltInTexts() {
    TextLines[Line::ConversionsHelp] = Joined({
        "To do a conversion, first type in the value using the keypad,",
        "then click on the conversion button. For example, type '32' into the text box, ",
        "then click on Farenheight to Celsius (F-Celsius), and read '0' in the text box. ",
        "You can also use the underlined character on the keyboard with the 'ALT' key to",
        "access these functions.",
    });
    TextLines[Line::ConversionsHelp + 1] = "Conversions - Help";
    TextLines[Line::FlightPlanHelp] = Joined({
        "These two buttons will calculate the distance and track between two points.",
        "The calculator includes a database with all of the aerodromes and heliports in ",
        "North America. If you are not sure of the aerodrome identifier, first click on",
        "'Look Up Airport ID'. Type in any part of the name of the location. If there is",
        "more than one entry for your search string, you will be asked to choose.",
        "Then click on 'Xcntry Dist and Track', enter your two points and click on ",
        " the '=' sign. You will be shown the distance in both NM and SM, and the",
        "track in both True and Magnetic. Press ENTER to move to the next field.",
    });
    TextLines[Line::FlightPlanHelp + 1] = "Flight Plan - Help";
    TextLines[Line::FormulaeHelp] = Joined({
        "These buttons will perform similar calculations to an E6B circular slide rule.",
        "They use formulae to calculate meteorological phenomena as well as",
        "Time - Distance - Wind problems. Some of these calculations, you will be expected",
        "to perform manually on exams. ",
    });
    TextLines[Line::FormulaeHelp + 1] = "Formulae - Help";
    TextLines[Line::KeypadHelp] = Joined({
        "Click on these numbers or use the number pad on the keyboard. ",
        "Press '<' to delete the previous entry. Press '^' for exponents. ",
        "Press 'C' to clear all entries. The brackets can be used for more complex equations. ",
        "Remember the order of operations. When you're done press the '=' sign for the answer.",
    });
    TextLines[Line::KeypadHelp + 1] = "Number Keypad - Help";
    TextLines[Line::WindowHelp] = Joined({
        "The Quenmar Aviation Calculator does standard math calculations,",
        " as well as calculates crosswind component, initial heading,",
        " wind and groundspeed problems, and aviation conversions. ",
        "Includes a database with all aerodromes and heliports in Canada and the US,",
        "with a utility to determine heading and distance between them.",
        "Entries can be made with the keyboard or by clicking with the mouse, with",
        "the ' = ' sign displaying the final result.",
    });
    TextLines[Line::WindowHelp + 1] = "Aviation Calculator Help";

    TextLines[Line::FarewellFirst] = std::string("Thank-you for using the ") +
                                     static_cast<char>(174) + "Quenmar Aviation Calculator.";
    // Short lines: the farewell box's picture stands to the right of the first ones.
    const char* const farewell[] = {
        "Ready for more? Our Flight Training Suite has",
        "ground school for every written-exam subject,",
        "practice exams with explained answers,",
        "a flight planning workbook, weight and",
        "balance and performance worksheets, and a",
        "logbook that totals your hours per licence:",
        "RPP, PPL, CPL, Night, VFR OTT and IFR.",
        "",
        "Quenmar Aviation Software",
        "E-mail: info@quenmar.example      Telephone: 1-800-555-0199",
        "",
        "Click here to see the full Quenmar Flight Training Suite.",
        "",
        WebAddress,
        "",
        "Blue skies and happy landings from the Quenmar team.",
    };
    static_assert(std::size(farewell) == Line::FarewellLast - Line::FarewellFirst);
    for (std::size_t k = 0; k < std::size(farewell); ++k)
        TextLines[static_cast<std::size_t>(Line::FarewellFirst) + 1 + k] = farewell[k];
}

std::string DataFileNotReadText(const std::string& folder) {
    const std::string file = DataFileName;
    std::string text = "The calculator could not read its data file, " + file + ", in the folder";
    text += "\r\n" + folder + "\r\n\r\n";
    text +=
        "The file is missing, empty or incomplete, so the buttons have no captions and the "
        "aerodrome search finds nothing.\r\n\r\n";
    text += "Put a complete copy of " + file +
            " (it comes with the calculator) in that folder, then start the calculator again."
            "\r\n\r\nClick here or press Esc to go on.";
    return text;
}

std::int32_t WorkAreaTwips(bool queryOk, std::int32_t fromPixel, std::int32_t toPixel,
                           float twipsPerPixel) {
    if (!queryOk) return 0;
    double twips = (static_cast<double>(toPixel) - fromPixel) * twipsPerPixel;
    return numbers::ToLong(twips).value_or(0);
}

}  // namespace AvcalcMod
