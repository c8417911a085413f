#pragma once

#include "ui/CardController.h"

#include <QWidget>

#include <memory>

// A long-lived archive window (owners, dogs, schedule). Closing it in any way
// shows the main menu again and hides this window; it is never destroyed
// while the application runs. A card changed since it was shown or saved is
// not closed, nor replaced by a record chosen in another window, before the
// user has answered whether to save it (UnsavedChanges). The window owns its
// card's one CardController.
//
// Its content is a panel of fixed size, laid out by hand and kept centred. The
// window opens maximised, but where the desktop does not maximise it (no
// window manager, a tiling one) it first takes the size of that panel, so the
// whole card shows instead of a strip of the toolkit's default size.
class ArchiveWindow : public QWidget
{
    Q_OBJECT

public:
    ArchiveWindow(const QString &objectName, const QString &caption, QWidget *mainMenu);
    ~ArchiveWindow() override;

    void setVisible(bool visible) override;

    /// Before the card is replaced or the window closes: true when it may go
    /// on, after the question about unsaved changes when there are any.
    bool mayLeaveCard();
    /// The same for the window that opened a list or search, when it is an
    /// archive window; any other window always lets a record in.
    static bool mayReplaceCardOf(QWidget *opener);

    /// The position of the record the card shows, as its label writes it:
    /// blank for a card not stored yet (and for a window without a card).
    QString position() const;

protected:
    /// Puts the card under the window's controller, made once the card's
    /// controls are built; no card by default.
    CardController &holdCard(MessageBoxes &messages, CardContent &content, CardController::Setup setup);
    CardController &controller() { return *m_card; }
    /// False while the card is not on screen (the schedule's start view).
    virtual bool showsCard() const { return true; }
    /// Runs each time the window opens, not when it is restored from the
    /// task bar (the card then stays): by default the card starts blank.
    virtual void opened();
    /// Runs once closing goes ahead, before the main menu shows again.
    virtual void closing() { }

    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    /// The size of the largest fixed-size part of the window: its panel.
    QSize largestFixedPart() const;

    QWidget *m_mainMenu;
    std::unique_ptr<CardController> m_card;
    bool m_sizedToPanel = false;
};
