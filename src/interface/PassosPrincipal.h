#pragma once

#include <QString>

#include <functional>

class QWidget;
class TColecaoTolv;
class TFrDeclaracao;

// What the main window's start-up and exit call in the parts that the program wires in at start
// (the database flags and the declarations index of the collection base, the declaration's
// opening and closing, the initial dialog, the backup wizards). A member left empty is the
// window's own part where it has one (the collection base's flags, opening and closing the
// declaration) and otherwise does nothing and answers as a usable installation with an empty
// index would. desligados() gives members that touch no database (tests).
struct PassosPrincipal {
  // The collection base's process-wide flags: the run failed (declaration side, or the date
  // format was refused), and the index database is unusable. Unconnected: kept here.
  std::function<bool()> falhaBanco;
  std::function<void(bool)> defineFalhaBanco;
  std::function<bool()> falhaBancoIndice;
  std::function<void(bool)> defineFalhaBancoIndice;

  // Creates the declarations index: connects the index database and checks its version; a
  // failure sets the index flag and reports itself.
  std::function<void()> abreIndice;
  // True while the index lists no declaration.
  std::function<bool()> indiceVazio;
  // The index collection itself, created on first use; the window opens declarations through it.
  std::function<TColecaoTolv&()> colecaoTolv;
  // Refreshes the index's list query.
  std::function<void()> atualizaIndice;
  // Offers to adopt, or delete, declaration databases of the data folder the index does not list.
  std::function<void(QWidget* dono)> verificaExistenciaBancos;

  // Closes the open declaration; false when the current page holds an invalid value.
  std::function<bool()> fecharDeclaracao;
  // Frees the index and disconnects the index database (the window frees its declaration first).
  std::function<void()> fecharColecoes;
  // The initial dialog (new, import or open); true when a declaration was chosen.
  std::function<bool(QWidget* dono)> dialogoInicial;
  // Brings the declaration chosen into the main window.
  std::function<void(QWidget* dono)> abrirDeclaracao;

  // The declaration dialogs over the main window's declaration and index (`dono` is the main
  // window). A new declaration, and the open dialog with its caption: true when the window's
  // declaration now holds one loaded from the index, to be opened. The delete dialog: true when it
  // ended with OK.
  std::function<bool(QWidget* dono)> novaDeclaracao;
  std::function<bool(QWidget* dono, const QString& titulo)> escolheDeclaracao;
  std::function<bool(QWidget* dono)> excluiDeclaracao;

  // The automatic backup on exit (TFormCopSegAuto.GravaCopiaAutomatica): the index database and
  // every declaration database into the automatic archive, in a window owned by `dono`.
  std::function<void(QWidget* dono)> gravaCopiaAutomatica;
  // The backup, restore and repair wizards, run modally over `dono`.
  std::function<void(QWidget* dono)> assistenteCopia;
  std::function<void(QWidget* dono)> assistenteRestauracao;
  std::function<void(QWidget* dono)> repararBanco;

  // Registers the data-entry pages of the page container (TFrDeclaracao::RegistraPagina),
  // once, when the window is created.
  std::function<void(TFrDeclaracao& conteiner)> registraPaginas;

  static PassosPrincipal desligados();
};
