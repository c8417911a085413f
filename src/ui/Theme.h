#pragma once

#include <QColor>
#include <QFont>
#include <QString>

// The program's look, named by what each face and colour is for, so that a
// window says "a field's caption" rather than "Verdana 8 bold, navy". The
// families are those the windows were drawn with on their first platform;
// Fonts::installSubstitutes maps them to their metric-compatible twins.
namespace Theme {

enum class Font {
    FieldCaption,      ///< the caption over a card's field
    FieldText,         ///< what a card's box and its totals show
    CompactFieldText,  ///< the schedule card's boxes and lists, set closer
    Label,             ///< a card's buttons, check boxes and captions beside a box
    Hint,              ///< instructions and hints under a box, small check boxes
    Explanation,       ///< a paragraph that explains a card's section
    TableText,         ///< the rows of a log's table
    Instruction,       ///< a larger instruction set apart in a form
    Emphasis,          ///< the password box, the colon of a time
    LogTitle,          ///< the title of the weight log
    CostsTitle,        ///< the title of the costs
    Year,              ///< the year beside the schedule's card
    YearChoice,        ///< the year chosen at the schedule's start
    ListFind,          ///< the find box of a list window
    ListCount,         ///< how many lines a list holds
    Plain,             ///< an instruction or a check window's text
    ResultLine,        ///< a search result's line
    ResultHeading,     ///< the heading over a search's results
    HelpTitle,         ///< the title of a help page
    HelpText,          ///< the text of a help page
    Information,       ///< the information bar at a card's foot
    CompactInformation,///< the same on the schedule's card
    Lines,             ///< column-aligned lines of a list
    CheckedCode,       ///< the code a check window examines
};

QFont font(Font role);

enum class Colour {
    CaptionText,        ///< captions, the year, a disabled button's text
    PanelBorder,        ///< the thin border of a white panel
    BoxBorder,          ///< the border of a box or picture on a card
    PositionBorder,     ///< the border of a card's record position
    DogCard,            ///< behind the dog card's sections
    OwnerCard,          ///< behind the owner card's sections
    OwnerSection,       ///< an owner card's section
    OwnerSectionBorder,
    DogInformationBar,  ///< the dog card's information bar
    SectionButtonTop,   ///< the dog card's section buttons fade from this
    SectionButtonFoot,  ///< to this
    SectionButtonBorder,
    SectionButtonHover,
    ExplanationBackground, ///< behind a paragraph that explains a section
    AlertText,          ///< a hint that must not be missed
    InformationBar,     ///< the information bar's background
    PositionText,       ///< the schedule's record position
    WarningText,        ///< warnings under a chart
    MaleFill,           ///< an ancestor known to be male
    FemaleFill,         ///< an ancestor known to be female
    MaleBorder,
    FemaleBorder,
    UnknownSexBorder,
    DisagreeingBorder,  ///< an ancestor whose sex and place disagree
    UnknownFill,        ///< a place no card fills
    AncestorText,
    UnknownAncestorText,
    BoxBackground,      ///< a text box on a card
    BoxFrame,           ///< its border
    FocusedBox,         ///< a text box while it has the focus
    HelpTitleText,      ///< the title of a help page and of a manual's chapter
    GridBackdrop,       ///< behind the export window's grid
    ChoicePanel,        ///< the panels of the schedule's start
    FieldBlock,         ///< the block round each of the schedule card's fields
    PanelBand,          ///< the band over such a panel
    TodayMark,          ///< today in a calendar
    DoneStrip,          ///< the strip of an entry marked done
    // A health booklet's due state: the cell's background, the badge's fill.
    DueOverdue,         ///< overdue
    DueSoon,            ///< due within its notice
    DueOk,              ///< due later on
    // The top of each window's gradient backdrop.
    StartBackdrop,
    DogBackdrop,
    OwnerBackdrop,
    CardBackdrop,       ///< the dog card, its logs and print window, the schedule
    SearchBackdrop,
    TaxCodeBackdrop,
    PaymentBackdrop,    ///< the payment card and IBAN checks
    VatNumberBackdrop,
    HelpBackdrop,       ///< the foot of the help window's backdrop
    SplashBackdrop,     ///< the foot of the splash window's backdrop
};

QColor colour(Colour role);

/// A colour as a style sheet names it ("#1f4e75").
QString css(Colour role);

/// The style sheet of a white panel with the thin border, for the widget of
/// that objectName only (not its children).
QString whitePanel(const QString &objectName);

/// The style sheet of the information bar at a card's foot: white text on
/// background, set a little in from the left, with rounded corners when asked.
QString informationBar(QColor background, bool rounded);

} // namespace Theme
