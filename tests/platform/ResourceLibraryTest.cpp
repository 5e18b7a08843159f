// The resource library: loading, the named bitmaps and their masks, the dialog
// templates and the initial combo lists.
#include "platform/ResourceLibrary.h"

#include <QDir>
#include <QImage>
#include <QSet>
#include <QXmlStreamReader>

#include <gtest/gtest.h>
#include <map>
#include <ostream>
#include <set>
#include <string>
#include <vector>

namespace {

const platform::ResourceLibrary* library()
{
    static const auto loaded = platform::ResourceLibrary::load();
    return loaded.get();
}

// ---------------------------------------------------------------- loading

TEST(ResourceLibraryLoading, LoadsOnceByFileNameFromTheProgramFolder)
{
    EXPECT_EQ(platform::ResourceLibrary::fileName(), "libtesslet.so");
    ASSERT_NE(library(), nullptr);
    EXPECT_NE(library()->handle(), 0u);
    const auto again = platform::ResourceLibrary::load();
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(again->handle(), library()->handle());
}

TEST(ResourceLibraryLoading, RemembersTheCurrentLibrary)
{
    ASSERT_NE(library(), nullptr);
    const platform::ResourceLibrary* before = platform::ResourceLibrary::current();
    platform::ResourceLibrary::setCurrent(library());
    EXPECT_EQ(platform::ResourceLibrary::current(), library());
    platform::ResourceLibrary::setCurrent(before);
    EXPECT_EQ(platform::ResourceLibrary::current(), before);
}

TEST(ResourceLibraryLoading, FindsNamesInAnyCase)
{
    ASSERT_NE(library(), nullptr);
    const QImage stored = library()->bitmap("EQ_MASK");
    ASSERT_FALSE(stored.isNull());
    EXPECT_EQ(stored.format(), QImage::Format_RGB32);
    EXPECT_EQ(library()->bitmap("eq_mask"), stored);
    EXPECT_EQ(library()->bitmap("Eq_Mask"), stored);
    EXPECT_EQ(library()->bitmap("matchNow"), library()->bitmap("MATCHNOW"));
    EXPECT_FALSE(library()->data("PtOrbitDialog").isEmpty());
    EXPECT_EQ(library()->data("PtOrbitDialog"), library()->data("PTORBITDIALOG"));
    EXPECT_EQ(library()->dialogTemplate("ptorbitdialog"), library()->data("PTORBITDIALOG"));
}

TEST(ResourceLibraryLoading, MissingAndMalformedNamesFindNothing)
{
    ASSERT_NE(library(), nullptr);
    for (const char* name : { "", "nosuch", "EQ.xpm", "../bitmaps/EQ", "bitmaps/EQ", ":/tesslet/bitmaps/EQ.xpm" }) {
        EXPECT_TRUE(library()->bitmap(name).isNull()) << name;
        EXPECT_TRUE(library()->data(name).isEmpty()) << name;
    }
    EXPECT_TRUE(library()->data("EQ").isEmpty());
    EXPECT_TRUE(library()->bitmap("PTORBITDIALOG").isNull());
    EXPECT_TRUE(library()->comboLists("PTORBITDIALOG").isEmpty());
}

// ---------------------------------------------------------------- bitmaps

const std::map<std::string, QRgb> kPalette = {
    { "black", qRgb(0, 0, 0) },
    { "dark red", qRgb(128, 0, 0) },
    { "dark green", qRgb(0, 128, 0) },
    { "olive", qRgb(128, 128, 0) },
    { "dark blue", qRgb(0, 0, 128) },
    { "purple", qRgb(128, 0, 128) },
    { "teal", qRgb(0, 128, 128) },
    { "silver", qRgb(192, 192, 192) },
    { "grey", qRgb(128, 128, 128) },
    { "red", qRgb(255, 0, 0) },
    { "green", qRgb(0, 255, 0) },
    { "yellow", qRgb(255, 255, 0) },
    { "blue", qRgb(0, 0, 255) },
    { "magenta", qRgb(255, 0, 255) },
    { "cyan", qRgb(0, 255, 255) },
    { "white", qRgb(255, 255, 255) },
};

struct NamedBitmap {
    const char* name;
    int width, height;
    std::vector<const char*> colours; // besides black; {"mask"} for a mask
};

const std::vector<NamedBitmap> kBitmaps = {
    { "COMET", 27, 7, { "red", "yellow" } },
    { "COMET_MASK", 27, 7, { "mask" } },
    { "EARTH", 11, 11, { "green", "blue" } },
    { "EARTH_MASK", 11, 11, { "mask" } },
    { "ECC", 5, 5, {} },
    { "ECC_MASK", 5, 5, { "mask" } },
    { "EQ", 5, 5, { "red" } },
    { "EQ_MASK", 5, 5, { "mask" } },
    { "JUPITER", 9, 9, { "dark green" } },
    { "JUPITER_MASK", 9, 9, { "mask" } },
    { "MARS", 9, 9, { "red", "yellow" } },
    { "MARS_MASK", 9, 9, { "mask" } },
    { "MATCHAFTER", 3, 3, { "white" } },
    { "MATCHBEFORE", 5, 5, { "grey", "white" } },
    { "MATCHED_COMET", 27, 7, { "blue", "cyan" } },
    { "MATCHED_EARTH", 11, 11, { "red", "yellow" } },
    { "MATCHED_JUPITER", 9, 9, { "dark blue" } },
    { "MATCHED_MARS", 9, 9, { "blue", "cyan" } },
    { "MATCHED_MERCURY", 5, 12, { "blue", "cyan" } },
    { "MATCHED_MOON", 9, 9, { "dark blue", "blue", "cyan" } },
    { "MATCHED_PLANET", 7, 7, { "blue" } },
    { "MATCHED_SATURN", 5, 11, { "blue" } },
    { "MATCHED_STAR", 7, 7, { "green", "blue" } },
    { "MATCHED_SUN", 7, 7, { "green", "blue" } },
    { "MATCHED_VENUS", 5, 11, { "blue", "cyan" } },
    { "MATCHNOW", 12, 12, { "red", "white" } },
    { "MATCHNOW_MASK", 12, 12, { "mask" } },
    { "MERCURY", 5, 12, { "red", "yellow" } },
    { "MERCURY_MASK", 5, 12, { "mask" } },
    { "MOON", 9, 9, { "silver", "grey" } },
    { "MOON_MASK", 9, 9, { "mask" } },
    { "OBS", 5, 5, { "red", "white" } },
    { "OBS_MASK", 5, 5, { "mask" } },
    { "PLANET", 7, 7, { "red" } },
    { "PLANET_MASK", 7, 7, { "mask" } },
    { "SATURN", 5, 11, { "purple" } },
    { "SATURN_MASK", 5, 11, { "mask" } },
    { "STAR", 7, 7, { "red", "yellow" } },
    { "STAR_MASK", 7, 7, { "mask" } },
    { "SUN", 7, 7, { "red", "yellow" } },
    { "SUN_MASK", 7, 7, { "mask" } },
    { "VENUS", 5, 11, { "dark green", "green" } },
    { "VENUS_MASK", 5, 11, { "mask" } },
};

std::set<QRgb> coloursOf(const QImage& image)
{
    std::set<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            colours.insert(image.pixel(x, y));
    return colours;
}

TEST(ResourceBitmaps, HoldsExactlyTheNamedBitmaps)
{
    ASSERT_NE(library(), nullptr);
    QSet<QString> stored;
    for (const QString& entry : QDir(QStringLiteral(":/tesslet/bitmaps")).entryList(QDir::Files))
        stored.insert(entry);
    QSet<QString> named;
    for (const NamedBitmap& bitmap : kBitmaps)
        named.insert(QString::fromLatin1(bitmap.name) + QStringLiteral(".xpm"));
    EXPECT_EQ(kBitmaps.size(), 43u);
    EXPECT_EQ(stored, named);
}

TEST(ResourceBitmaps, EachHasItsSizeAndOnlyItsColours)
{
    ASSERT_NE(library(), nullptr);
    const QRgb black = kPalette.at("black"), white = kPalette.at("white");
    for (const NamedBitmap& named : kBitmaps) {
        SCOPED_TRACE(named.name);
        const QImage image = library()->bitmap(named.name);
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.format(), QImage::Format_RGB32);
        EXPECT_EQ(image.width(), named.width);
        EXPECT_EQ(image.height(), named.height);
        std::set<QRgb> expected;
        if (named.colours == std::vector<const char*> { "mask" }) {
            expected = { black, white };
        } else {
            expected = { black };
            for (const char* colour : named.colours)
                expected.insert(kPalette.at(colour));
        }
        EXPECT_EQ(coloursOf(image), expected);
    }
}

// Masks are black wherever their picture (and its MATCHED_ picture) shows a colour.
TEST(ResourceBitmaps, MasksCoverEveryColouredPixel)
{
    ASSERT_NE(library(), nullptr);
    const QRgb black = kPalette.at("black");
    for (const NamedBitmap& named : kBitmaps) {
        const std::string mask = named.name;
        if (mask.size() < 5 || mask.substr(mask.size() - 5) != "_MASK")
            continue;
        const std::string base = mask.substr(0, mask.size() - 5);
        SCOPED_TRACE(base);
        const QImage maskImage = library()->bitmap(mask);
        std::vector<QImage> pictures = { library()->bitmap(base) };
        const QImage matched = library()->bitmap("MATCHED_" + base);
        if (!matched.isNull())
            pictures.push_back(matched);
        int opaque = 0;
        for (int y = 0; y < maskImage.height(); ++y)
            for (int x = 0; x < maskImage.width(); ++x) {
                if (maskImage.pixel(x, y) == black)
                    ++opaque;
                for (const QImage& picture : pictures) {
                    ASSERT_EQ(picture.size(), maskImage.size());
                    if (picture.pixel(x, y) != black) {
                        ASSERT_EQ(maskImage.pixel(x, y), black) << x << "," << y;
                    }
                }
            }
        EXPECT_GT(opaque, 0);
    }
}

TEST(ResourceBitmaps, EveryMatchedPictureHasABaseWithAMask)
{
    ASSERT_NE(library(), nullptr);
    for (const NamedBitmap& named : kBitmaps) {
        const std::string name = named.name;
        if (name.rfind("MATCHED_", 0) != 0)
            continue;
        EXPECT_FALSE(library()->bitmap(name.substr(8) + "_MASK").isNull()) << name;
    }
}

// ---------------------------------------------------------------- dialog templates

struct TableControl {
    int id; // -1: no identifier
    const char* kind;
    const char* text;
    int x, y, width, height;
    bool tabStop;
};

struct TableTemplate {
    const char* name;
    const char* caption;
    int x, y, width, height;
    std::vector<TableControl> controls;
};

const std::vector<TableTemplate> kTemplates = {
    { "PTSYSTEMSDIALOG", "Current Ptolemaic Systems", 0, 0, 367, 140,
        { { 1, "default push button", "Done", 309, 118, 51, 14, true },
            { 1008, "push button", "Delete Selected", 15, 118, 62, 14, true },
            { 1012, "push button", "Delete All", 79, 118, 62, 14, true },
            { 1017, "push button", "Add New", 205, 41, 62, 14, true }, { 1014, "list box", "", 15, 79, 126, 38, true },
            { 1003, "drop-down list", "", 281, 42, 64, 42, true },
            { -1, "group box", "New System of Cycles", 195, 0, 165, 60, false },
            { 1011, "push button", "Hide All", 279, 74, 62, 14, true },
            { 1027, "push button", "Show All", 205, 74, 62, 14, true },
            { 1042, "radio button", "Edit Cycles", 19, 67, 51, 10, false },
            { 1043, "radio button", "Edit Display", 73, 67, 53, 10, false },
            { -1, "label", "To edit the color, trails, or symbols displayed in a system:", 10, 38, 177, 8, false },
            { -1, "label", "To edit the geometry or motion of a system's cycles:", 10, 10, 161, 8, false },
            { -1, "label", " Select Edit Cycles.", 20, 19, 62, 8, false },
            { -1, "label", "Double-click on a system of cycles in the list.", 22, 27, 141, 8, false },
            { -1, "label", " Select Edit Display.", 20, 47, 64, 8, false },
            { -1, "label", "Double-click on a system of cycles in the list.", 22, 55, 141, 8, false },
            { -1, "group box", "System Visibility", 196, 64, 164, 28, false },
            { -1, "group box", "Current Systems of Cycles", 4, 0, 186, 137, false },
            { -1, "label", "To add a new system:", 201, 9, 70, 8, false },
            { -1, "label", "Select the kind of new system from the menu.", 211, 18, 144, 8, false },
            { -1, "label", "Click the Add New button.", 211, 27, 84, 8, false } } },
    { "PTEDITDIALOG", "Edit Cycles", 0, 0, 354, 158,
        { { 1, "default push button", "Done", 286, 138, 59, 14, false },
            { 1008, "push button", "Add New", 211, 71, 60, 14, false },
            { 1009, "push button", "Delete Selected", 137, 87, 60, 14, false },
            { 1014, "list box", "", 17, 71, 115, 67, false }, { 1004, "edit", "", 13, 13, 132, 12, false },
            { 1026, "push button", "Delete All", 137, 103, 59, 14, false },
            { 1015, "drop-down list", "", 273, 72, 68, 42, true },
            { 1010, "push button", "Randomize", 137, 119, 59, 14, true },
            { -1, "group box", "Cycles", 7, 61, 338, 76, false },
            { -1, "group box", "Trail to match observations", 7, 30, 338, 29, false },
            { 1033, "check box", "Visible", 17, 42, 36, 10, true },
            { 1005, "edit, read-only", "", 55, 40, 176, 14, true },
            { 1011, "push button", "Browse...", 234, 40, 50, 14, true },
            { 1027, "push button", "Clear", 288, 40, 50, 14, true },
            { 1012, "push button", "Edit Selected", 137, 71, 60, 14, true },
            { -1, "group box", "Name", 7, 3, 143, 26, false } } },
    { "PTVIEWDIALOG", "Display Properties", 100, 50, 293, 134,
        { { 1, "default push button", "Done", 236, 117, 50, 14, true },
            { -1, "group box", "Trail", 7, 33, 279, 25, false },
            { 1010, "push button", "Color", 206, 41, 27, 14, true },
            { 1013, "edit, read-only", "", 236, 41, 47, 14, true },
            { 1028, "check box", "Visible", 13, 44, 36, 10, true },
            { 1029, "check box", "Complete", 52, 44, 45, 10, true },
            { -1, "group box", "Trail Animation", 7, 61, 279, 26, false },
            { 1031, "check box", "Animate trail", 13, 72, 54, 10, true },
            { 1035, "check box", "Visible", 191, 17, 36, 10, true },
            { -1, "group box", "Planet symbol", 188, 4, 98, 28, false },
            { 1003, "drop-down list", "", 228, 15, 56, 86, true },
            { 1019, "check box", "Visible", 13, 17, 36, 10, true },
            { 1015, "drop-down list", "", 131, 41, 59, 93, true },
            { 1037, "drop-down list", "", 132, 69, 58, 85, true },
            { 1038, "drop-down list", "", 227, 69, 57, 88, true },
            { 1011, "edit, read-only", "", 130, 14, 49, 14, true },
            { 1012, "push button", "Color", 99, 14, 28, 14, true },
            { 1032, "check box", "Visible", 62, 17, 36, 10, true },
            { -1, "group box", "Cycles", 55, 4, 128, 28, false }, { -1, "label", "Length", 106, 45, 23, 8, false },
            { -1, "label", "Speed", 204, 72, 22, 8, false }, { -1, "label", "Block size", 96, 72, 33, 8, false },
            { 1001, "check box", "Visible", 13, 99, 36, 10, true },
            { 1030, "check box", "Dragged behind planet", 198, 99, 85, 10, true },
            { -1, "group box", "Position Markers", 7, 89, 279, 25, false },
            { 1039, "drop-down list", "", 131, 97, 59, 95, true },
            { -1, "label", "Position marker every", 62, 100, 68, 8, false } } },
    { "PTORBITDIALOG", "Cycle Properties", 0, 0, 190, 178,
        { { 1005, "edit", "", 50, 10, 72, 12, false }, { 1006, "edit", "", 50, 29, 33, 12, false },
            { 1018, "edit", "", 50, 45, 33, 12, false }, { 1007, "edit", "", 50, 62, 33, 12, false },
            { 1021, "edit", "", 87, 96, 38, 12, false }, { 1023, "edit", "", 133, 96, 38, 12, false },
            { 1022, "edit", "", 87, 112, 38, 12, false }, { 1024, "edit", "", 133, 112, 38, 12, false },
            { 2, "push button", "Cancel", 25, 157, 50, 14, true },
            { 1025, "push button", "Apply", 79, 157, 50, 14, false },
            { 1, "default push button", "OK", 133, 157, 50, 14, true }, { -1, "label", "Radius", 24, 31, 23, 8, false },
            { -1, "label", "Phi", 36, 64, 11, 8, false }, { -1, "label", "Omega", 23, 47, 24, 8, false },
            { 1019, "check box", "Has equant with", 11, 98, 67, 10, false },
            { 1001, "check box", "Has eccentric with", 11, 114, 75, 10, false },
            { -1, "label", "x-coordinate", 87, 86, 40, 8, false },
            { -1, "label", "y-coordinate", 132, 86, 40, 8, false }, { -1, "label", "Cycle Name", 8, 12, 39, 8, false },
            { -1, "label", "radius in dimensionless units", 87, 31, 96, 8, false },
            { -1, "label", "angular velocity in radians", 87, 46, 96, 8, false },
            { -1, "label", "phase angle in radians", 87, 63, 96, 8, false },
            { -1, "label", "Note:", 7, 127, 20, 8, false },
            { -1, "label", "For a Ptolemaic epicycle, leave the equant and eccentric boxes unchecked.", 7, 136, 165, 15,
                false },
            { -1, "label", "values between 0 and 2pi", 87, 72, 96, 8, false } } },
};

// A kind of the control tables: the template's kind and the styles that make it that kind.
struct KindForm {
    std::string kind;
    std::vector<std::string> styles;
};

const std::map<std::string, KindForm> kKindForms = {
    { "default push button", { "DEFPUSHBUTTON", { "BS_DEFPUSHBUTTON" } } },
    { "push button", { "PUSHBUTTON", { "BS_PUSHBUTTON" } } },
    { "list box", { "LISTBOX", { "LBS_NOTIFY", "LBS_SORT", "WS_VSCROLL" } } },
    { "drop-down list", { "COMBOBOX", { "CBS_DROPDOWNLIST", "WS_VSCROLL" } } },
    { "group box", { "GROUPBOX", { "BS_GROUPBOX" } } },
    { "radio button", { "AUTORADIOBUTTON", { "BS_AUTORADIOBUTTON" } } },
    { "check box", { "AUTOCHECKBOX", { "BS_AUTOCHECKBOX" } } },
    { "label", { "LTEXT", { "SS_LEFT" } } },
    { "edit", { "EDITTEXT", { "ES_AUTOHSCROLL" } } },
    { "edit, read-only", { "EDITTEXT", { "ES_AUTOHSCROLL", "ES_READONLY" } } },
};

struct ParsedControl {
    std::map<std::string, std::string> attributes;
};

struct ParsedTemplate {
    std::map<std::string, std::string> attributes;
    std::vector<ParsedControl> controls;
    bool wellFormed = false;
    std::string error;
};

std::map<std::string, std::string> attributesOf(const QXmlStreamReader& reader)
{
    std::map<std::string, std::string> attributes;
    for (const QXmlStreamAttribute& attribute : reader.attributes())
        attributes[attribute.name().toString().toStdString()] = attribute.value().toString().toStdString();
    return attributes;
}

ParsedTemplate parseTemplate(const QByteArray& xml)
{
    ParsedTemplate parsed;
    QXmlStreamReader reader(xml);
    if (!reader.readNextStartElement() || reader.name() != QLatin1String("Dialog"))
        return parsed;
    parsed.attributes = attributesOf(reader);
    while (reader.readNextStartElement()) {
        if (reader.name() != QLatin1String("Control"))
            return parsed;
        parsed.controls.push_back({ attributesOf(reader) });
        reader.skipCurrentElement();
    }
    parsed.wellFormed = !reader.hasError();
    parsed.error = reader.errorString().toStdString();
    return parsed;
}

std::set<std::string> stylesOf(const std::string& text)
{
    std::set<std::string> styles;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t bar = text.find('|', start);
        const std::string style = text.substr(start, bar == std::string::npos ? std::string::npos : bar - start);
        if (!style.empty())
            styles.insert(style);
        if (bar == std::string::npos)
            break;
        start = bar + 1;
    }
    return styles;
}

void PrintTo(const TableTemplate& table, std::ostream* out) { *out << table.name; }

class DialogTemplates : public testing::TestWithParam<TableTemplate> { };

TEST_P(DialogTemplates, HoldTheDialogAndEveryControlOfItsTable)
{
    ASSERT_NE(library(), nullptr);
    const TableTemplate& table = GetParam();
    const ParsedTemplate parsed = parseTemplate(library()->dialogTemplate(table.name));
    ASSERT_TRUE(parsed.wellFormed) << parsed.error;

    const auto& dialog = parsed.attributes;
    EXPECT_EQ(dialog.at("name"), table.name);
    EXPECT_EQ(dialog.at("caption"), table.caption);
    EXPECT_EQ(std::stoi(dialog.at("x")), table.x);
    EXPECT_EQ(std::stoi(dialog.at("y")), table.y);
    EXPECT_EQ(std::stoi(dialog.at("width")), table.width);
    EXPECT_EQ(std::stoi(dialog.at("height")), table.height);
    EXPECT_EQ(dialog.at("font"), "MS Sans Serif");
    EXPECT_EQ(dialog.at("pointSize"), "8");
    EXPECT_EQ(stylesOf(dialog.at("styles")),
        (std::set<std::string> { "DS_MODALFRAME", "WS_POPUP", "WS_CAPTION", "WS_SYSMENU" }));

    ASSERT_EQ(parsed.controls.size(), table.controls.size());
    for (std::size_t index = 0; index < table.controls.size(); ++index) {
        const TableControl& expected = table.controls[index];
        const auto& control = parsed.controls[index].attributes;
        SCOPED_TRACE(testing::Message() << "control " << index << " (" << expected.id << " " << expected.text << ")");
        const KindForm& form = kKindForms.at(expected.kind);
        EXPECT_EQ(std::stoi(control.at("id")), expected.id);
        EXPECT_EQ(control.at("kind"), form.kind);
        EXPECT_EQ(control.at("text"), expected.text);
        EXPECT_EQ(std::stoi(control.at("x")), expected.x);
        EXPECT_EQ(std::stoi(control.at("y")), expected.y);
        EXPECT_EQ(std::stoi(control.at("width")), expected.width);
        EXPECT_EQ(std::stoi(control.at("height")), expected.height);
        const std::set<std::string> styles = stylesOf(control.at("styles"));
        for (const std::string& style : form.styles)
            EXPECT_TRUE(styles.count(style)) << style;
        EXPECT_EQ(styles.count("WS_TABSTOP") == 1, expected.tabStop);
        if (expected.kind != std::string("edit, read-only")) {
            EXPECT_FALSE(styles.count("ES_READONLY"));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EveryTemplate, DialogTemplates, testing::ValuesIn(kTemplates),
    [](const testing::TestParamInfo<TableTemplate>& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------- combo lists

std::map<int, std::vector<std::string>> parseComboLists(const QByteArray& xml, std::string& dialog)
{
    std::map<int, std::vector<std::string>> lists;
    QXmlStreamReader reader(xml);
    if (!reader.readNextStartElement() || reader.name() != QLatin1String("DialogInit"))
        return {};
    dialog = reader.attributes().value(QLatin1String("dialog")).toString().toStdString();
    while (reader.readNextStartElement()) {
        const int id = reader.attributes().value(QLatin1String("id")).toInt();
        auto& items = lists[id];
        while (reader.readNextStartElement())
            items.push_back(reader.readElementText().toStdString());
    }
    return reader.hasError() ? std::map<int, std::vector<std::string>> {} : lists;
}

TEST(DialogComboLists, HoldTheInitialChoicesOfTheNewSystemCombos)
{
    ASSERT_NE(library(), nullptr);
    const std::vector<std::string> choices = { "Empty", "Random", "From File" };
    for (const auto& [dialogName, comboId] :
        { std::pair { "PTEDITDIALOG", 1015 }, std::pair { "PTSYSTEMSDIALOG", 1003 } }) {
        SCOPED_TRACE(dialogName);
        std::string dialog;
        const auto lists = parseComboLists(library()->comboLists(dialogName), dialog);
        EXPECT_EQ(dialog, dialogName);
        ASSERT_EQ(lists.size(), 1u);
        EXPECT_EQ(lists.begin()->first, comboId);
        EXPECT_EQ(lists.begin()->second, choices);
    }
}

} // namespace
