#pragma once

#include "platform/ImageList.h"

#include <QIcon>
#include <QObject>
#include <QString>
#include <string>
#include <vector>

// The item views' image list: the fixed images 0..13 of the program's own
// artwork, then the icons of documents' file types and of tools' programs,
// added as records ask for them. Positions are never reused during a run, so
// a record keeps the index it was given.
class TQtImageList : public QObject, public IImageList {
    Q_OBJECT
public:
    explicit TQtImageList(QObject* parent = nullptr);

    int AddFileIcon(const std::string& path) override;
    void ReplaceFileIcon(int index, const std::string& path) override;
    int AddProgramIcon(const std::string& programPath) override;
    void ReplaceProgramIcon(int index, const std::string& programPath) override;

    int Count() const { return static_cast<int>(FIcons.size()); }
    // The image at index; an unknown index gives the generic document.
    QIcon Icon(int index) const;
    // The image with an overlay (the due mark is overlay 1; -1 is none).
    QIcon Icon(int index, int overlayIndex) const;

    // The icon the desktop shows for a file of this type (the file need not exist).
    static QIcon FileTypeIcon(const QString& path);
    // A program's icon: from its desktop entry, or the icon theme's icon named
    // after it; the tool picture when the desktop knows none.
    static QIcon ProgramIcon(const QString& programPath);

signals:
    // An added image was replaced; views showing it should repaint.
    void IconChanged(int index);

private:
    int Add(const QIcon& icon);

    std::vector<QIcon> FIcons;
};
