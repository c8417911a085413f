#include "ui/ListPanel.h"

#include "ui/LineList.h"
#include "ui/ListFinder.h"
#include "ui/Theme.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSvgWidget>
#include <QVBoxLayout>

namespace {

constexpr int buttonHeight = 30;
constexpr int buttonWidth = 116;
constexpr int bandHeight = 44;
constexpr int magnifierSide = 40;
const QColor darkCyan(0xFF008B8B);

QLabel *addLabel(const QString &objectName, const QString &text, const QFont &font, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(objectName);
    label->setFont(font);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

QPushButton *addButton(const QString &objectName, const QString &caption, QWidget *parent)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(objectName);
    button->setFixedSize(buttonWidth, buttonHeight);
    return button;
}

} // namespace

ListPanel::ListPanel(const QString &objectName, MessageBoxes &messages, QWidget *parent, QWidget *top)
    : QWidget(parent)
{
    setObjectName(objectName);
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet(Theme::whitePanel(objectName));

    const QFont instructionFont(QStringLiteral("Arial"), 10);
    QLabel *instructions = addLabel(QStringLiteral("lblIstruzioni"),
        QString::fromUtf8("Immettere una o più parole consecutive presenti nella scheda in elenco da cercare "
                          "e premere il pulsante Trova.\n"
                          "Per spostarsi sulla voce successiva contenente la stessa chiave di ricerca, "
                          "fare di nuovo clic su Trova."),
        instructionFont, this);
    instructions->setWordWrap(true);

    auto *band = new QWidget(this);
    band->setFixedHeight(bandHeight);
    auto *magnifier = new QSvgWidget(QStringLiteral(":/ui/lente.svg"), band);
    magnifier->setObjectName(QStringLiteral("imgLente"));
    magnifier->setFixedSize(magnifierSide, magnifierSide);
    txtTrova = new QLineEdit(band);
    txtTrova->setObjectName(QStringLiteral("txtTrova"));
    txtTrova->setFont(Theme::font(Theme::Font::ListFind));
    btnTrova = addButton(QStringLiteral("btnTrova"), QStringLiteral("Trova"), band);
    auto *bandRow = new QHBoxLayout(band);
    bandRow->setContentsMargins(0, 0, 0, 0);
    bandRow->addWidget(magnifier);
    bandRow->addWidget(txtTrova, 1);
    bandRow->addWidget(btnTrova);

    lstRecords = new LineList(QStringLiteral("lstRecords"), this);

    QLabel *hint = addLabel(QStringLiteral("lblIstruzioniElenco"),
        QStringLiteral("Per richiamare i dati di una scheda, selezionarla con un doppio clic."), instructionFont, this);
    QPalette hintColours = hint->palette();
    hintColours.setColor(QPalette::WindowText, Theme::colour(Theme::Colour::AlertText));
    hint->setPalette(hintColours);

    btnChiudi = addButton(QStringLiteral("btnChiudi"), QStringLiteral("Chiudi"), this);
    btnStampa = addButton(QStringLiteral("btnStampa"), QStringLiteral("Stampa"), this);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(btnChiudi);
    buttons->addStretch();
    buttons->addWidget(btnStampa);

    m_column = new QVBoxLayout(this);
    m_column->setContentsMargins(12, 8, 12, 10);
    m_column->setSpacing(6);
    if (top)
        m_column->addWidget(top, 0, Qt::AlignHCenter);
    m_column->addWidget(instructions);
    m_column->addWidget(band);
    m_column->addWidget(lstRecords, 1);
    m_column->addWidget(hint);
    m_countRow = m_column->count();
    m_column->addLayout(buttons);

    setTabOrder(txtTrova, lstRecords);
    setTabOrder(lstRecords, btnStampa);
    setTabOrder(btnStampa, btnTrova);
    setTabOrder(btnTrova, btnChiudi);

    finder = new ListFinder(messages, txtTrova, btnTrova, lstRecords);
}

QLabel *ListPanel::addCountLine()
{
    QLabel *count = addLabel(QStringLiteral("lblTrovate"), QString(), Theme::font(Theme::Font::ListCount), this);
    QPalette colours = count->palette();
    colours.setColor(QPalette::WindowText, darkCyan);
    count->setPalette(colours);
    m_column->insertWidget(m_countRow, count);
    return count;
}

void ListPanel::startFinding()
{
    finder->reset();
    txtTrova->setFocus(Qt::OtherFocusReason);
}
