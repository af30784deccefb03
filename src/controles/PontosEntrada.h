#pragma once

#include <QString>
#include <QStringList>

#include <functional>

#include "controles/TPaginaDeclaracao.h"

class QWidget;
class TColecaoTolv;
class TTolv;

// The windows that the main window's actions open and that other parts of the program build:
// the verification, writing, transmission and head-office wizards, the reports, the search,
// the calculator and the summary (the declaration dialogs, the import and the backup, restore
// and repair wizards are reached through the main window's steps, PassosPrincipal, and
// DialogosDeclaracao). The program registers each at start (app); an entry left empty is a window that this
// version does not have yet, and its action says so in the message box.
struct PontosEntrada {
  // The previous years' import wizard (hidden action): false when stopped or cancelled. The
  // import of this year's files is the initial dialog's (DialogosDeclaracao); both end with the
  // release of the run's state.
  std::function<bool(QWidget* dono, TColecaoTolv& indice)> importacaoAnosAnteriores;
  std::function<void()> liberaImportacao;

  // The verification window on the declaration, with the way back to a finding; its report
  // while it exists.
  std::function<void(QWidget* dono, TTolv& tolv, IrParaCampo irParaCampo)> verificacao;
  std::function<void(bool visualiza)> relatorioPendencias;
  // The writing wizard: true when a file was written and its receipt is to be printed
  // (`arquivo` the written file).
  std::function<bool(QWidget* dono, QString& arquivo, TTolv& tolv, TColecaoTolv& indice)> gravacao;
  std::function<void(QWidget* dono)> transmissao;
  // The head-office change wizard on an empty TTolv, which tells afterwards whether the database
  // file must follow the new number.
  std::function<void(QWidget* dono, TColecaoTolv& indice, TTolv& tolv)> alteracaoMatriz;

  // The print wizard: its answer (the main window's print dispatch lists them); it may fill the
  // receipt files and the chosen beneficiary's number.
  std::function<int(QWidget* dono, QStringList& recibos, TTolv& tolv, TColecaoTolv& indice, const QString& sufixo,
                    QString& beneficiario)>
      assistenteRelatorios;
  // The reports: `visualiza` true shows the preview, false prints with no dialog.
  std::function<void(TTolv& tolv, TColecaoTolv& indice, bool visualiza, bool analitico)> totaisPorCodigo;
  std::function<void(TTolv& tolv, TColecaoTolv& indice, bool visualiza)> listaBeneficiarios;
  std::function<void(TTolv& tolv, TColecaoTolv& indice, bool visualiza)> declaracaoCompleta;
  std::function<void(TTolv& tolv, TColecaoTolv& indice, bool visualiza)> totalMensalPorCodigo;
  std::function<void(TTolv& tolv, TColecaoTolv& indice, bool visualiza)> resumoDeclaracao;
  std::function<void(TColecaoTolv& indice, bool visualiza)> relatorioGerencial;
  // The income statements of one beneficiary (its number) or of all (empty).
  std::function<void(TTolv& tolv, const QString& beneficiario, bool visualiza)> comprovantes;
  // The delivery receipts of the listed files; with `unico`, the receipt of `arquivo`.
  std::function<void(const QStringList& recibos, bool unico, const QString& arquivo)> recibos;

  // The beneficiary search over the declaration, in a scope (0 fund annexes, 1 process
  // annexes, 2 the declarant's lines, 3 the whole declaration). While its window exists the
  // search registers fechaPesquisa, which asks it to close (true when it did).
  std::function<void(QWidget* dono, TTolv& tolv, int escopo, IrParaCampo irParaCampo)> pesquisa;
  std::function<bool()> fechaPesquisa;
  std::function<void(QWidget* dono)> calculadora;
  // The summary recalculation with its progress: 1 when it completed.
  std::function<int(QWidget* dono, TTolv& tolv)> calculaResumo;

  // The program's entries.
  static PontosEntrada& doPrograma();
};

// The notice of an action whose window this version does not have yet.
void AvisaIndisponivel(const QString& legendaAcao);
