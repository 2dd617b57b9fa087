// merrowin: the desktop program.
#include "platform/Clock.h"
#include "platform/Errors.h"
#include "platform/IniFile.h"
#include "platform/Locale.h"
#include "platform/ProgramFolder.h"
#include "platform/RandomSource.h"
#include "platform/Services.h"
#include "store/DataFile.h"
#include "store/ObjectFactory.h"
#include "store/TreeNodes.h"
#include "store/ui/TreeModel.h"

#include <QApplication>
#include <QMessageBox>
#include <QTreeView>
#include <memory>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Merrowin");

    std::string home;
    QStringList args = QApplication::arguments();
    for (int i = 1; i < args.size(); ++i)
        if (args[i] == "--home" && i + 1 < args.size()) home = args[i + 1].toStdString();

    TServices services;
    services.ProgramFolder = programfolder::Resolve(home, programfolder::ExecutablePath());
    TIniFile settings(programfolder::SettingsFile(home));
    TSystemClock clock;
    TStdRandom random;
    TEnglishLocale locale;
    services.Settings = &settings;
    services.Clock = &clock;
    services.Random = &random;
    services.Locale = &locale;
    InstallServices(&services);

    TTreeNodes tree;
    TTreeNode* root = CreateRoot(tree);
    try {
        LoadDataFile(root);
    } catch (const EInOutError& e) {
        QMessageBox::critical(nullptr, "Merrowin", QString::fromStdString(e.Where()) + ".");
        return 1;
    }

    TTreeModel model(tree);
    QTreeView view;
    view.setWindowTitle("Merrowin:");
    view.setHeaderHidden(true);
    view.setModel(&model);
    view.expand(model.index(0, 0));
    view.resize(640, 480);
    view.show();
    int rc = QApplication::exec();
    try {
        SaveDataFile(tree);
    } catch (const EInOutError& e) {
        QMessageBox::critical(nullptr, "Merrowin", QString::fromStdString(e.Where()) + ".");
        rc = 1;
    }
    tree.Clear();
    InstallServices(nullptr);
    return rc;
}
