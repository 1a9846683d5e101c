#include "MainWindow.h"

#include <afxcodepage.h>

#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <utility>
#include <vector>

#include "TerminalSession.h"

namespace host {
namespace {

enum { kToolbarMode = 2, kLinkMode = 4 };

QString FromCp949(const CString& text) {
    return QString::fromStdString(afx::Cp949ToUtf8(text.GetString()));
}

// A list of our own rather than recursion: a menu may nest deeper than the
// stack allows frames.
void AddMenuItems(QTreeWidgetItem* root, const CMenuNode& menu) {
    std::vector<std::pair<QTreeWidgetItem*, const CMenuNode*>> pending{{root, &menu}};
    while (!pending.empty()) {
        const auto [parent, node] = pending.back();
        pending.pop_back();
        for (int i = 0; i < node->GetChildCount(); ++i) {
            const CMenuNode& child = *node->GetChild(i);
            const QString screenNo =
                child.m_pScreen ? FromCp949(child.m_pScreen->m_strScreenNo) : "";
            auto* item = new QTreeWidgetItem(parent, {FromCp949(child.m_strName), screenNo});
            if (!child.m_dwShow) item->setForeground(0, Qt::gray);
            pending.emplace_back(item, &child);
        }
    }
}

QWidget* Titled(const QString& title, QWidget* content) {
    auto* box = new QWidget;
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(new QLabel("<b>" + title + "</b>"));
    layout->addWidget(content);
    return box;
}

}  // namespace

MainWindow::MainWindow(TerminalSession& session)
    : m_session(session),
      m_menuTree(new QTreeWidget),
      m_linkList(new QListWidget),
      m_noToolbars(new QLabel) {
    setWindowTitle("Halvane VORK");
    resize(900, 600);

    auto* settings = menuBar()->addMenu("&Settings");
    QAction* toolbarAction =
        settings->addAction("Toolbar Settings", this, [this] { OpenToolbarSettings(); });
    QAction* linkAction =
        settings->addAction("Register link menu", this, [this] { OpenLinkMenu(); });
    settings->addSeparator();
    settings->addAction("&Quit", this, &QWidget::close);
    QToolBar* commands = addToolBar("Commands");
    commands->setMovable(false);
    commands->addAction(toolbarAction);
    commands->addAction(linkAction);
    addToolBarBreak();

    m_menuTree->setHeaderLabels({"Menu", "Screen"});
    m_menuTree->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    connect(m_menuTree, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        if (item && !item->text(1).isEmpty()) SelectScreen(item->text(1), item->text(0));
    });
    m_noToolbars->setText(
        "No toolbars yet: open Settings > Toolbar Settings, add a group and save.");
    m_noToolbars->setWordWrap(true);

    auto* right = new QWidget;
    auto* rightLayout = new QVBoxLayout(right);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    rightLayout->addWidget(Titled("Link menu", m_linkList));
    rightLayout->addWidget(m_noToolbars);
    auto* central = new QWidget;
    auto* layout = new QHBoxLayout(central);
    layout->addWidget(Titled("Terminal menu (select the current screen)", m_menuTree), 3);
    layout->addWidget(right, 2);
    setCentralWidget(central);

    FillMenuTree();
    session.SetHandOverListener([this](const HandOver& handOver) { ShowHandOver(handOver); });
    statusBar()->showMessage(
        QString("User %1, home %2")
            .arg(FromCp949(session.User()),
                 QDir::toNativeSeparators(QString::fromStdString(session.Home().Root()))));
    Refresh();
}

int MainWindow::OpenToolbarSettings() {
    const int result = m_session.CallTabulo(kToolbarMode);
    Refresh();
    return result;
}

void MainWindow::OpenLinkMenu() {
    m_session.CallTabulo(kLinkMode);
    Refresh();
}

void MainWindow::FillMenuTree() {
    auto* root = new QTreeWidgetItem(m_menuTree, {FromCp949(m_session.MenuRoot().m_strName)});
    AddMenuItems(root, m_session.MenuRoot());
    root->setExpanded(true);
}

void MainWindow::Refresh() {
    for (QToolBar* toolbar : m_userToolbars) {
        removeToolBar(toolbar);
        delete toolbar;
    }
    m_userToolbars.clear();
    for (const Toolbar& toolbar : m_session.UserToolbars()) {
        auto* bar = new QToolBar(FromCp949(toolbar.strName), this);
        bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
        auto* caption = new QLabel(FromCp949(toolbar.strName) + ": ");
        caption->setStyleSheet("font-weight: bold");
        bar->addWidget(caption);
        for (const ToolbarButton& button : toolbar.buttons) {
            const QString screenNo = FromCp949(button.strScreenNo);
            const QString name = FromCp949(button.strScreenName);
            QAction* action =
                bar->addAction(FromCp949(button.strShortName), this,
                               [this, screenNo, name] { SelectScreen(screenNo, name); });
            action->setToolTip(screenNo + " " + name);
        }
        addToolBar(Qt::TopToolBarArea, bar);
        addToolBarBreak();
        m_userToolbars.push_back(bar);
    }
    m_noToolbars->setVisible(m_userToolbars.empty());

    m_linkList->clear();
    int position = 0;
    for (const LinkEntry& entry : m_session.LinkMenu())
        m_linkList->addItem(QString("%1. [%2] %3")
                                .arg(++position)
                                .arg(FromCp949(entry.strScreenNo), FromCp949(entry.strScreenName)));
    if (position == 0) m_linkList->addItem("(empty: Settings > Register link menu)");
}

void MainWindow::ShowHandOver(const HandOver& handOver) {
    statusBar()->showMessage(
        QString("The pop-up library received %1 (file kind %2, mode %3)")
            .arg(QString::fromStdString(HomeRelativePath(handOver.path, m_session.Home().Root())),
                 FromCp949(handOver.code.c_str()))
            .arg(handOver.mode));
}

void MainWindow::SelectScreen(const QString& screenNo, const QString& name) {
    m_session.SetCurrentScreen(afx::Utf8ToCp949(screenNo.toStdString()));
    statusBar()->showMessage("Current screen " + screenNo + " " + name);
}

}  // namespace host
