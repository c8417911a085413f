#pragma once

#include <QString>

struct AppContext;
class PhotoBox;
class QWidget;

// What the dog card does with its photo box: the album photo of the card's
// position, and the buttons that load, save elsewhere, remove and enlarge the
// picture. Holds nothing but its references, so the card may keep one or make
// one per action. No failure is reported: the box shows the placeholder.
class PhotoActions
{
public:
    PhotoActions(AppContext &context, QWidget *owner, PhotoBox *box);

    /// Shows the album photo of the stored dog at position (the placeholder when it has none).
    void showAlbumPhoto(const QString &position);
    /// Writes the picture shown as the album photo of the dog at position.
    void storeAlbumPhoto(const QString &position);

    /// Shows a JPEG or bitmap picture the user chooses.
    void loadFromFile();
    /// Saves the picture shown to a JPEG file the user chooses.
    void saveToFile();
    /// Shows the placeholder; no file is touched.
    void clear();
    /// Shows the picture in the zoom window, modally.
    void zoom();

private:
    AppContext &m_context;
    QWidget *m_owner;
    PhotoBox *m_box;
};
