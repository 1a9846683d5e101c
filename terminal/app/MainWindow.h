// tabulo-host's window: the terminal's menu, the user's toolbars and link
// menu as the module's dialogs left them, and the two commands that open
// those dialogs.
#pragma once

#include <QMainWindow>

#include <vector>

class QLabel;
class QListWidget;
class QToolBar;
class QTreeWidget;

namespace host {

class TerminalSession;
struct HandOver;

class MainWindow : public QMainWindow {
public:
    explicit MainWindow(TerminalSession& session);

    // Both run their dialog modally and refresh the window afterwards.
    int OpenToolbarSettings();
    void OpenLinkMenu();

private:
    void FillMenuTree();
    void Refresh();
    void ShowHandOver(const HandOver& handOver);
    void SelectScreen(const QString& screenNo, const QString& name);

    TerminalSession& m_session;
    QTreeWidget* m_menuTree;
    QListWidget* m_linkList;
    QLabel* m_noToolbars;
    std::vector<QToolBar*> m_userToolbars;
};

}  // namespace host
