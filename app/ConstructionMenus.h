#pragma once

#include <QString>

class QAction;
class QActionGroup;
class QMenu;
class QObject;
class QWidget;

// Small helpers shared by the main menu and the pop-up menus: every entry gets its name,
// its status-bar text (the long part of its hint) and, for a family of entries that share
// one handler, its tag in QAction::data().
namespace constructionMenus {

QMenu* sousMenu(QWidget* parent, const QString& titre, const QString& nom,
                const QString& barreEtat = {});
QAction* entree(QMenu* menu, const QString& titre, const QString& nom,
                const QString& barreEtat = {});
QAction* entreeTag(QMenu* menu, const QString& titre, const QString& nom, int tag,
                   const QString& barreEtat = {});
QAction* radio(QMenu* menu, QActionGroup* groupe, const QString& titre, const QString& nom, int tag,
               bool coche, const QString& barreEtat = {});
QActionGroup* groupe(QObject* parent, const QString& nom);

} // namespace constructionMenus
