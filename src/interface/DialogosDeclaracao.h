#pragma once

#include <QString>

#include <functional>

class QWidget;
class TColecaoTolv;
struct PassosPrincipal;

// The entries of the dialogs that create, open and delete declarations, and the entry points the
// program wires in at start: the import wizard and its report.
namespace DialogosDeclaracao {

// What a run of the import wizard left: whether a declaration was imported, and whether the user
// asked for the import report.
struct ResultadoImportacao {
  bool importou = false;
  bool relatorio = false;
};
using AssistenteImportacao = std::function<ResultadoImportacao(TColecaoTolv& indice, QWidget* dono)>;
using RelatorioImportacao = std::function<void(QWidget* dono)>;

// The import wizard that the initial dialog's "Importar dados" runs; empty: ImportacaoIndisponivel.
void DefineAssistenteImportacao(AssistenteImportacao assistente);
ResultadoImportacao ExecutaAssistenteImportacao(TColecaoTolv& indice, QWidget* dono);
// Until the import wizard is part of the program: says so in the message box; nothing imported.
ResultadoImportacao ImportacaoIndisponivel(TColecaoTolv& indice, QWidget* dono);
// The import report in preview, printed once a printer is known to be available; empty: nothing.
void DefineRelatorioImportacao(RelatorioImportacao relatorio);
void ImprimirRelatorioImportacao(QWidget* dono);

// Points the main window's steps at the dialogs: the initial dialog, and the new, open and delete
// dialogs over the window's declaration and index (the owner given to them is the main window).
void Conecta(PassosPrincipal& passos);

}  // namespace DialogosDeclaracao
