#pragma once

#include <QFrame>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

#include "plataforma/bd/ConjuntoMemoria.h"

class QLabel;
class QTableView;
class ModeloGeradas;

// The finder of written declaration files (FPesquisaDeclaracoes): searches a folder, lists the
// files with their header data in a grid (DbgGeradas over CdsGeradas) and lets the user select
// the ones to work on. The transmission wizard lists the files without a receipt; the print
// wizard those with one.
//
// Selection: a click (or Space) on a row selects or unselects it, Shift with a click selects
// every row from the last one clicked; the check-box column shows it. ArquivosSelecionados gives
// the rows in the order they were selected.
class TFrPesquisaDeclaracoes : public QFrame {
  Q_OBJECT
 public:
  explicit TFrPesquisaDeclaracoes(QWidget* pai = nullptr);
  ~TFrPesquisaDeclaracoes() override;

  // Searches Pasta (the default folder when empty) and fills the grid; `resultado` is emptied
  // and kept for ArquivosSelecionados.
  void ProcuraDeclaracoes(QStringList* resultado);
  void LimpaSelecao();
  // Fills the result list with the selected files' paths, in the order of selection.
  void ArquivosSelecionados();
  // 0 written and not yet transmitted, 1 transmitted, any other written (for the messages).
  void SetTipoPesquisa(int tipo) { m_tipoPesquisa = tipo; }
  int TipoPesquisa() const { return m_tipoPesquisa; }
  // Shows or hides the receipt-number column.
  void SetMostraRecibo(bool mostra);

  // Toggles a row's selection, as a click does.
  void AlternaSelecao(int linha);
  // Selects every row from the last one clicked to this one, as Shift with a click does.
  void SelecionaAte(int linha);
  const QList<int>& Selecao() const { return m_selecao; }

  // "<fixed default drive>/Declaracoes Gravadas BVD/Tolv2014/".
  static QString PastaPadrao();

  const bd::ConjuntoMemoria& Geradas() const { return m_geradas; }
  QTableView* Grade() const { return m_grade; }
  QString Mensagem() const;

  // The folder to search (empty: the default) and which files to list.
  QString Pasta;
  bool ComRecibo = false;
  int QuantidadeSelecionada = 0;
  // Fired after every change of the selection, with the frame's owner as sender.
  std::function<void(QObject* sender)> OnChangeSelection;

 protected:
  bool eventFilter(QObject* objeto, QEvent* evento) override;

 private:
  void Pesquisa();
  void DbgGeradasMultiSelectRecord(int linha, bool seleciona);
  void ajustaColunas();

  int m_tipoPesquisa = 0;
  bool m_aberto = false;
  int m_ancora = -1;
  QStringList* m_resultado = nullptr;
  QList<int> m_selecao;
  bd::ConjuntoMemoria m_geradas;
  ModeloGeradas* m_modelo = nullptr;
  QWidget* m_pnlMensagem = nullptr;
  QLabel* m_lbMens = nullptr;
  QWidget* m_pnlGrid = nullptr;
  QFrame* m_shape = nullptr;
  QTableView* m_grade = nullptr;
};
