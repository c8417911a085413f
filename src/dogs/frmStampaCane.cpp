#include "dogs/frmStampaCane.h"

#include "platform/AppContext.h"
#include "report/printing/CardReports.h"
#include "report/printing/ReportOutput.h"
#include "ui/Centring.h"
#include "ui/GradientWidget.h"
#include "ui/Theme.h"

#include <QPushButton>
#include <QSvgWidget>

namespace {

constexpr QSize windowSize(364, 287);
constexpr QRect panelArea(12, 12, 340, 216);
constexpr QSize buttonSize(110, 30);
constexpr int buttonTop = 242;

QPushButton *button(const char *objectName, const char *caption, int left, QWidget *parent)
{
    auto *result = new QPushButton(QString::fromUtf8(caption), parent);
    result->setObjectName(QLatin1StringView(objectName));
    result->setGeometry(QRect(QPoint(left, buttonTop), buttonSize));
    result->setAutoDefault(false);
    return result;
}

} // namespace

frmStampaCane::frmStampaCane(AppContext &context, QWidget *card, RecordTexts dog, const QImage &photo)
    : QDialog(card, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , m_context(context)
    , m_dog(std::move(dog))
    , m_photo(photo.isNull() ? defaultPicture() : photo)
{
    setObjectName(QStringLiteral("frmStampaCane"));
    setWindowTitle(QStringLiteral(" Stampa scheda"));
    setFixedSize(windowSize);

    auto *background = new GradientWidget(Theme::colour(Theme::Colour::CardBackdrop), this);
    background->setGeometry(rect());
    auto *panel = new QWidget(background);
    panel->setObjectName(QStringLiteral("panIstruzioni"));
    panel->setGeometry(panelArea);
    panel->setAttribute(Qt::WA_StyledBackground);
    panel->setStyleSheet(Theme::whitePanel(QStringLiteral("panIstruzioni")));
    auto *instructions = new QSvgWidget(QStringLiteral(":/dogs/printing/istruzioni.svg"), panel);
    instructions->setObjectName(QStringLiteral("imgIstruzioni"));
    instructions->setGeometry(5, 10, 330, 196);

    QPushButton *cancel = button("btnAnnulla", "Annulla", panelArea.left(), background);
    QPushButton *print = button("btnStampa", "Stampa", panelArea.right() + 1 - buttonSize.width(), background);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(print, &QPushButton::clicked, this, &frmStampaCane::btnStampaClick);
    print->setDefault(true);

    // Centred on the card, yet wholly on the screen whatever the card's size.
    const QPoint centred = card->geometry().topLeft() + centredIn(card->size(), size());
    const QSize room = context.platform.screen.size() - size();
    move(std::clamp(centred.x(), 0, std::max(room.width(), 0)), std::clamp(centred.y(), 0, std::max(room.height(), 0)));
}

void frmStampaCane::printDogCard(
    AppContext &context, QWidget *card, const RecordTexts &dog, const QImage &photo)
{
    frmStampaCane window(context, card, dog, photo);
    window.exec();
}

QImage frmStampaCane::defaultPicture()
{
    return artworkImage(QStringLiteral(":/dogs/printing/cane.svg"), QSize(306, 353));
}

void frmStampaCane::btnStampaClick()
{
    ReportOutput::print(
        m_context, this, dogCardReport(m_dog, m_photo, CardTexts::footer(m_context.platform.clock.now())));
    accept();
}
