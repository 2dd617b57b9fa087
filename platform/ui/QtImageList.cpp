#include "platform/ui/QtImageList.h"

#include "platform/ui/IconImages.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QStandardPaths>
#include <QTextStream>

namespace {

QString LocalPath(const std::string& path) {
    return QFile::decodeName(QByteArray::fromStdString(path));
}

QIcon ThemeOrFile(const QString& iconName) {
    if (iconName.isEmpty()) return {};
    if (QDir::isAbsolutePath(iconName)) {
        return QFileInfo::exists(iconName) ? QIcon(iconName) : QIcon();
    }
    return QIcon::fromTheme(iconName);
}

struct TDesktopEntry {
    QString Exec;
    QString Icon;
};

// The keys of a desktop entry's [Desktop Entry] group that matter here.
TDesktopEntry ReadDesktopEntry(const QString& file) {
    TDesktopEntry entry;
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text)) return entry;
    QTextStream in(&f);
    bool inMain = false;
    while (!in.atEnd()) {
        QString line = in.readLine().trimmed();
        if (line.startsWith('[')) {
            inMain = line == QLatin1String("[Desktop Entry]");
            continue;
        }
        if (!inMain) continue;
        int eq = line.indexOf('=');
        if (eq <= 0) continue;
        QString key = line.left(eq).trimmed();
        QString value = line.mid(eq + 1).trimmed();
        if (key == QLatin1String("Exec"))
            entry.Exec = value;
        else if (key == QLatin1String("Icon"))
            entry.Icon = value;
    }
    return entry;
}

// The program an Exec line starts, without quotes and field codes.
QString ExecProgram(const QString& exec) {
    QString first = exec.section(' ', 0, 0, QString::SectionSkipEmpty);
    if (first.size() >= 2 && first.startsWith('"') && first.endsWith('"'))
        first = first.mid(1, first.size() - 2);
    return first;
}

// The icon named by the desktop entry that starts program: first an entry
// named after the program, then any entry whose Exec runs it.
QString DesktopIconFor(const QFileInfo& program) {
    const QString base = program.fileName();
    const QStringList dirs =
        QStandardPaths::standardLocations(QStandardPaths::ApplicationsLocation);
    for (const QString& dir : dirs) {
        QString named = QDir(dir).filePath(base + QStringLiteral(".desktop"));
        if (QFileInfo::exists(named)) {
            TDesktopEntry e = ReadDesktopEntry(named);
            if (!e.Icon.isEmpty()) return e.Icon;
        }
    }
    for (const QString& dir : dirs) {
        QDir d(dir);
        const QStringList files = d.entryList({QStringLiteral("*.desktop")}, QDir::Files);
        for (const QString& file : files) {
            TDesktopEntry e = ReadDesktopEntry(d.filePath(file));
            QString exec = ExecProgram(e.Exec);
            if (e.Icon.isEmpty() || exec.isEmpty()) continue;
            // A bare command name matches by name; a path must be this program.
            bool match = exec.contains('/')
                             ? QFileInfo(exec).absoluteFilePath() == program.absoluteFilePath()
                             : exec == base;
            if (match) return e.Icon;
        }
    }
    return {};
}

} // namespace

TQtImageList::TQtImageList(QObject* parent) : QObject(parent) {
    FIcons.reserve(kFixedImageCount + 16);
    for (int i = 0; i < kFixedImageCount; ++i)
        FIcons.push_back(KindIcon(i));
}

int TQtImageList::Add(const QIcon& icon) {
    FIcons.push_back(icon);
    return Count() - 1;
}

int TQtImageList::AddFileIcon(const std::string& path) {
    return Add(FileTypeIcon(LocalPath(path)));
}

void TQtImageList::ReplaceFileIcon(int index, const std::string& path) {
    // The fixed images are shared by every record of their kind.
    if (index < kFixedImageCount || index >= Count()) return;
    FIcons[static_cast<size_t>(index)] = FileTypeIcon(LocalPath(path));
    emit IconChanged(index);
}

int TQtImageList::AddProgramIcon(const std::string& programPath) {
    return Add(ProgramIcon(LocalPath(programPath)));
}

void TQtImageList::ReplaceProgramIcon(int index, const std::string& programPath) {
    if (index < kFixedImageCount || index >= Count()) return;
    FIcons[static_cast<size_t>(index)] = ProgramIcon(LocalPath(programPath));
    emit IconChanged(index);
}

QIcon TQtImageList::Icon(int index) const {
    if (index < 0 || index >= Count()) index = kGenericDocumentImage;
    return FIcons[static_cast<size_t>(index)];
}

QIcon TQtImageList::Icon(int index, int overlayIndex) const {
    return WithOverlay(Icon(index), overlayIndex);
}

QIcon TQtImageList::FileTypeIcon(const QString& path) {
    if (path.isEmpty()) return KindIcon(kGenericDocumentImage);
    QFileInfo fi(path);
    if (fi.isDir()) {
        QIcon folder = QIcon::fromTheme(QStringLiteral("folder"));
        return folder.isNull() ? KindIcon(0) : folder;
    }
    // By content when the file is there, else by its name alone.
    QMimeType type = QMimeDatabase().mimeTypeForFile(fi);
    QIcon icon;
    if (type.isValid() && !type.isDefault()) {
        icon = QIcon::fromTheme(type.iconName());
        if (icon.isNull()) icon = QIcon::fromTheme(type.genericIconName());
    }
    return icon.isNull() ? KindIcon(kGenericDocumentImage) : icon;
}

QIcon TQtImageList::ProgramIcon(const QString& programPath) {
    QFileInfo program(programPath);
    QIcon icon;
    if (programPath.endsWith(QLatin1String(".desktop")))
        icon = ThemeOrFile(ReadDesktopEntry(programPath).Icon);
    if (icon.isNull() && !program.fileName().isEmpty()) icon = ThemeOrFile(DesktopIconFor(program));
    if (icon.isNull() && !program.completeBaseName().isEmpty())
        icon = QIcon::fromTheme(program.completeBaseName().toLower());
    return icon.isNull() ? ArtIcon(QStringLiteral("tool")) : icon;
}
