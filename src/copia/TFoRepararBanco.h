#pragma once

#include <QDialog>
#include <QString>

#include <vector>

#include "copia/ReparoBanco.h"

class QPlainTextEdit;
class TGradeDeclaracoes;
class TTolvButton;
struct LinhaDeclaracao;

// The repair window, "Verificação de consistência do banco de dados": the user picks one
// declaration of the index and its database is mended, validated, backed up and restored in its
// own place (ReparoBanco), with a log line per step and a working Parar.
//
// Idle (Iniciar, Cancelar) -> asked -> running (Parar) -> completed or failed (Fechar, Iniciar
// off until the window is opened again), or back to idle when the user declined or stopped.
class TFoRepararBanco : public QDialog {
  Q_OBJECT
 public:
  explicit TFoRepararBanco(QWidget* dono = nullptr);
  ~TFoRepararBanco() override;

  // Lists the index's declarations, through a connection of its own that is let go at once.
  // False, with the query's message shown, when the list cannot be read.
  bool AbreDeclaracoes();
  void MostraDeclaracoes(std::vector<LinhaDeclaracao> linhas);

  // Iniciar, the grid's double click and Enter: asks, then repairs the selected declaration.
  void OKBtnClick();
  // Parar: asks, then the running step stops.
  void SpeedButton1Click();

  bool Executando() const { return m_executando; }
  bool NaoConcluido() const { return m_naoConcluido; }
  ReparoBanco::Fim UltimoFim() const { return m_fim; }
  QString Log() const;
  // The final renames of the repairs that follow (tests make them fail).
  void DefineSubstituicao(ReparoBanco::Substituicao substituicao) { m_substitui = std::move(substituicao); }

 protected:
  void keyPressEvent(QKeyEvent* evento) override;
  void closeEvent(QCloseEvent* evento) override;
  void reject() override;

 private:
  void Iniciar(const LinhaDeclaracao& linha);
  void MostraBotoes();

  TGradeDeclaracoes* m_grade = nullptr;
  QPlainTextEdit* m_memo = nullptr;
  TTolvButton* m_okBtn = nullptr;
  TTolvButton* m_okBtnInabilitado = nullptr;
  TTolvButton* m_cancelar = nullptr;
  TTolvButton* m_parar = nullptr;

  bool m_pararPedido = false;
  bool m_naoConcluido = false;
  bool m_executando = false;
  bool m_perguntando = false;
  ReparoBanco::Fim m_fim = ReparoBanco::Fim::Parado;
  ReparoBanco::Substituicao m_substitui;
};

// Opens the repair window modally over `dono`, after letting go of the shared declaration
// connection. The caller closes its declaration and collections first. Refused while a repair
// window is open; false when the list could not be read, else false too (the window has no OK).
bool ExecutaRepararBanco(QWidget* dono);
