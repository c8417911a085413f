#include "ui/Theme.h"

#include "ui/Fonts.h"

namespace {

QFont face(const char *family, int points, bool bold = false)
{
    return QFont(QString::fromLatin1(family), points, bold ? QFont::Bold : QFont::Normal);
}

} // namespace

QFont Theme::font(Font role)
{
    constexpr bool bold = true;
    switch (role) {
    case Font::FieldCaption: return face("Verdana", 8, bold);
    case Font::FieldText: return face("Verdana", 12, bold);
    case Font::CompactFieldText: return face("Verdana", 11, bold);
    case Font::Label: return face("Verdana", 10, bold);
    case Font::Hint: return face("Verdana", 9, bold);
    case Font::Explanation: return face("Verdana", 11);
    case Font::TableText: return face("Verdana", 9);
    case Font::Instruction: return face("Verdana", 14);
    case Font::Emphasis: return face("Verdana", 14, bold);
    case Font::LogTitle: return face("Verdana", 16);
    case Font::CostsTitle: return face("Verdana", 18);
    case Font::Year: return face("Verdana", 18, bold);
    case Font::YearChoice: return face("Verdana", 22, bold);
    case Font::ListFind: return face("Arial", 12, bold);
    case Font::ListCount: return face("Arial", 10, bold);
    case Font::Plain: return face("Arial", 12);
    case Font::ResultLine: return face("Arial", 10);
    case Font::ResultHeading: return face("Arial", 11, bold);
    case Font::HelpTitle: return face("Arial", 16, bold);
    case Font::HelpText: return face("Verdana", 12, bold);
    case Font::Information: return face("Tahoma", 12);
    case Font::CompactInformation: return face("Tahoma", 11);
    case Font::Lines: return Fonts::fixedPitch(QStringLiteral("Courier New"), 12);
    case Font::CheckedCode: return Fonts::fixedPitch(QStringLiteral("Courier New"), 20, bold);
    }
    Q_UNREACHABLE();
    return {};
}

QColor Theme::colour(Colour role)
{
    switch (role) {
    case Colour::CaptionText: return QColor(0x1F, 0x4E, 0x75);
    case Colour::PanelBorder: return QColor(0xCD, 0xDF, 0xEE);
    case Colour::BoxBorder: return QColor(0x9D, 0xB6, 0xCC);
    case Colour::PositionBorder: return QColor(0x8F, 0xB0, 0xCC);
    case Colour::DogCard: return QColor(0xC8, 0xD6, 0xE3);
    case Colour::OwnerCard: return QColor(0xC3, 0xD0, 0xDE);
    case Colour::OwnerSection: return QColor(0xE7, 0xEF, 0xF7);
    case Colour::OwnerSectionBorder: return QColor(0xA9, 0xBE, 0xD3);
    case Colour::DogInformationBar: return QColor(0x30, 0x30, 0xDD);
    case Colour::SectionButtonTop: return QColor(0x5A, 0x8D, 0xB8);
    case Colour::SectionButtonFoot: return QColor(0x2F, 0x6A, 0x9A);
    case Colour::SectionButtonBorder: return QColor(0x24, 0x55, 0x79);
    case Colour::SectionButtonHover: return QColor(0x3F, 0x7B, 0xAD);
    case Colour::ExplanationBackground: return QColor(0xEE, 0xF4, 0xFA);
    case Colour::AlertText: return QColor(0xDC, 0x14, 0x3C);
    case Colour::InformationBar: return QColor(0x6A, 0x5A, 0xCD);
    case Colour::PositionText: return QColor(0x3C, 0x2F, 0x9A);
    case Colour::WarningText: return QColor(0xA0, 0x40, 0x00);
    case Colour::MaleFill: return QColor(0xE8, 0xF0, 0xFA);
    case Colour::FemaleFill: return QColor(0xFA, 0xEA, 0xF1);
    case Colour::MaleBorder: return QColor(0x2F, 0x5F, 0x8F);
    case Colour::FemaleBorder: return QColor(0xA0, 0x40, 0x6A);
    case Colour::UnknownSexBorder: return QColor(0x8A, 0x8A, 0x8A);
    case Colour::DisagreeingBorder: return QColor(0xD9, 0x82, 0x2B);
    case Colour::UnknownFill: return QColor(0xF4, 0xF4, 0xF4);
    case Colour::AncestorText: return QColor(0x1A, 0x1A, 0x1A);
    case Colour::UnknownAncestorText: return QColor(0x80, 0x80, 0x80);
    case Colour::BoxBackground: return QColor(0xF0, 0xF8, 0xFF);
    case Colour::BoxFrame: return QColor(0x87, 0xCE, 0xEB);
    case Colour::FocusedBox: return QColor(0xFF, 0xFF, 0x00);
    case Colour::HelpTitleText: return QColor(0xDC, 0x14, 0x3C);
    case Colour::GridBackdrop: return QColor(0xEE, 0xED, 0xED);
    case Colour::ChoicePanel: return QColor(0xD6, 0xDC, 0xE1);
    case Colour::FieldBlock: return QColor(0xF0, 0xEF, 0xEE);
    case Colour::PanelBand: return QColor(0x5A, 0x7A, 0x96);
    case Colour::TodayMark: return QColor(0xF3, 0xC8, 0x79);
    case Colour::DoneStrip: return QColor(0xF4, 0xA4, 0x60);
    case Colour::DueOverdue: return QColor(0xE0, 0x3C, 0x31);
    case Colour::DueSoon: return QColor(0xF2, 0xA9, 0x00);
    case Colour::DueOk: return QColor(0xB8, 0xE0, 0xB0);
    case Colour::StartBackdrop: return QColor(0x5D, 0x85, 0xA6);
    case Colour::DogBackdrop: return QColor(0x46, 0x82, 0xB4);
    case Colour::OwnerBackdrop: return QColor(0x61, 0x95, 0xC0);
    case Colour::CardBackdrop: return QColor(0x42, 0x7A, 0xA8);
    case Colour::SearchBackdrop: return QColor(Qt::black);
    case Colour::TaxCodeBackdrop: return QColor(0x20, 0x63, 0x20);
    case Colour::PaymentBackdrop: return QColor(0x19, 0x19, 0x70);
    case Colour::VatNumberBackdrop: return QColor(0x00, 0x80, 0x80);
    case Colour::HelpBackdrop: return QColor(0xBF, 0xD8, 0xEF);
    case Colour::SplashBackdrop: return QColor(0x35, 0x25, 0x25);
    }
    Q_UNREACHABLE();
    return {};
}

QString Theme::css(Colour role)
{
    return colour(role).name();
}

QString Theme::whitePanel(const QString &objectName)
{
    return QStringLiteral("#%1 { background: white; border: 1px solid %2; }").arg(objectName, css(Colour::PanelBorder));
}

QString Theme::informationBar(QColor background, bool rounded)
{
    return QStringLiteral("#panInfo { background: %1; color: white; padding-left: 10px;%2 }")
        .arg(background.name(), rounded ? QStringLiteral(" border-radius: 4px;") : QString());
}
