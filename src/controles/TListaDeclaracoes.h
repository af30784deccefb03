#pragma once

#include <QElapsedTimer>
#include <QString>
#include <QTableView>
#include <QWidget>

#include "controles/FiltroDeclaracoes.h"

class QLabel;
class QLineEdit;
class QTimer;
class TColecaoTolv;
class TModeloListaDeclaracoes;

// The grid of the declaration list: the program's own type-ahead replaces the view's search.
class TGradeListaDeclaracoes : public QTableView {
  Q_OBJECT
 public:
  using QTableView::QTableView;
  void keyboardSearch(const QString&) override {}

 signals:
  // A click with Shift, or on the mark column, on a row (delete list).
  void CliqueMarca(int linha, bool comShift);
  void EspacoPressionado();

 protected:
  void mousePressEvent(QMouseEvent* evento) override;
  void keyPressEvent(QKeyEvent* evento) override;
};

// The declaration list that the initial, open and delete dialogs and the print wizard share: the
// filter boxes edtCPFCNPJ, edtNome and edtAnoCalendario over the grid of the index's declarations,
// the check-digit rule, the restore-and-warn of a filter that finds nothing and, in the initial,
// open and print lists, the type-ahead search of the grid. The delete list has a mark column
// instead; neither it nor the print list has a limit of year. The number and year boxes keep
// digits only, typed or pasted.
class TListaDeclaracoes : public QWidget {
  Q_OBJECT
 public:
  enum class Modo { Inicial, Abrir, Excluir, Impressao };

  TListaDeclaracoes(Modo modo, TColecaoTolv& indice, QWidget* pai = nullptr);
  ~TListaDeclaracoes() override;

  // The first reading, with the boxes empty. A failure has been shown (and marked the run as
  // failed): false, the list empty.
  bool Abre();
  // On every change of a box (0 number, 1 name, 2 year): unless the check digits of a complete
  // number are being typed, reads the list with the boxes' filter; when it finds nothing, the
  // previous list comes back, OK goes off and the box with the focus tells why.
  void AplicaFiltro(int caixa);

  Modo GetModo() const { return m_modo; }
  QLineEdit* edtCPFCNPJ() const { return m_numero; }
  QLineEdit* edtNome() const { return m_nome; }
  QLineEdit* edtAnoCalendario() const { return m_ano; }
  TGradeListaDeclaracoes* Grade() const { return m_grade; }
  TModeloListaDeclaracoes& Modelo() const { return *m_modelo; }
  bool Vazia() const;

  // The current row of the grid; -1 when there is none.
  int LinhaAtual() const;
  void DefineLinhaAtual(int linha);
  // Boxes and grid usable or not (the initial dialog's choices); a grid in use keeps its
  // selection always shown.
  void Habilita(bool habilita);

  // Type-ahead: every key of the dialog records its time and character; each tick of the timer
  // (10 ms) searches once the keys have stopped for 0.864 s.
  void RegistraTecla(QChar caractere);
  void Timer1Timer();
  // The search itself, with the buffer as the prefix; then the buffer is emptied.
  void BuscaIncremental();
  const QString& Buffer() const { return m_buffer; }

 signals:
  void HabilitaOk(bool habilita);
  void Escolhida();
  void MarcasMudaram(int quantidade);

 protected:
  bool eventFilter(QObject* objeto, QEvent* evento) override;

 private:
  FiltroDeclaracoes::Caixas caixas() const;
  bool comLimite() const { return m_modo != Modo::Excluir && m_modo != Modo::Impressao; }
  void aoMarcar(int linha, bool comShift);

  Modo m_modo;
  TColecaoTolv& m_indice;
  QLineEdit* m_numero = nullptr;
  QLineEdit* m_nome = nullptr;
  QLineEdit* m_ano = nullptr;
  TGradeListaDeclaracoes* m_grade = nullptr;
  TModeloListaDeclaracoes* m_modelo = nullptr;
  QTimer* m_timer = nullptr;
  QString m_buffer;
  QElapsedTimer m_ultimaTecla;
  int m_ultimaMarcada = -1;
  bool m_selecaoVisivel = true;
};
