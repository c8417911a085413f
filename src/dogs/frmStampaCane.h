#pragma once

#include <QDialog>
#include <QImage>

struct AppContext;

// The dog card's print window: prints the card as shown, photo and unsaved
// changes included, or closes without printing.
class frmStampaCane : public QDialog
{
    Q_OBJECT

public:
    frmStampaCane(AppContext &context, QWidget *card);

    /// Opens the window over the dog card, modally, and destroys it afterwards.
    static void printDogCard(AppContext &context, QWidget *card);

    /// The picture printed when the card's photo cannot be taken.
    static QImage defaultPicture();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void btnStampaClick();

    AppContext &m_context;
    QWidget *m_card;
    QImage m_photo;
};
