#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>

#include <functional>

class IServicosVerificacao;
class QCheckBox;
class QLabel;
class QTableView;
class QTimer;
class QToolButton;
class TModeloVerificacao;
class TVerificacaoPendencias;

// The verification frame: the result list of a pendency verification run, its counters, the
// buttons "Parar verificação", "Posicionar" and "Relatório" (each with a greyed twin shown when it
// is not available) and the box "Mostrar avisos". It owns the run and shows it: the grid is a view
// over the run's rows, repainted at most every 100 ms while the run works. Placed in the pendency
// window, the writing wizard and the print wizard; from a finding the user goes to its field
// through the go-to callback the host sets.
class TFrTolvVerifica : public QWidget {
  Q_OBJECT
 public:
  // owner key (A_QUEM_PERTENCE), subject key (QUEM_EH), object number (OBJETO).
  using Posicionador = std::function<void(const QString& dono, const QString& objeto, int secao)>;
  using Impressao = std::function<void(bool visualizar)>;

  explicit TFrTolvVerifica(QWidget* pai = nullptr);
  ~TFrTolvVerifica() override;

  TVerificacaoPendencias& Verificacao() { return *m_verificacao; }
  TModeloVerificacao& Modelo() { return *m_modelo; }
  QTableView& Grade() { return *m_grade; }

  // Entries: calendar year followed by the declarant's number without check digits.
  void SetDeclaracoes(const QStringList& declaracoes);
  // Runs the verification and shows it; `contador` gets the items checked. False when no run
  // took place (one was under way).
  bool ExecutarVerificacao(int& contador);
  bool SemPendencias() const;
  bool GetInOstensivo() const;

  // The main window's services: the run holds the main window while it works, and the go-to
  // leads there unless another callback is set. nullptr: the registered ones.
  void SetServicos(IServicosVerificacao* servicos);
  void SetAoPosicionar(Posicionador posicionador) { m_aoPosicionar = std::move(posicionador); }
  // The host offers the go-to (true when created); the wizards clear it.
  void SetPodePosicionar(bool pode);
  bool GetPodePosicionar() const { return m_podePosicionar; }
  // The host offers the stop button (true when created); the wizards clear it.
  void SetMostraParar(bool mostra);
  // Double-click and "Posicionar" do nothing (the writing wizard).
  void SetSomenteConsulta(bool somente) { m_somenteConsulta = somente; }
  // The pendency report goes to the preview (true, the default) or straight to the printer.
  void SetVisualizar(bool visualizar) { m_visualizar = visualizar; }
  bool GetVisualizar() const { return m_visualizar; }
  // What prints the result list as the pendency report.
  void SetImpressao(Impressao impressao) { m_impressao = std::move(impressao); }

  void SetVerificados(int quantidade);
  void SetInterrompido(bool interrompido);
  void SetOcioso(bool ocioso);
  // Kept for the hosts that call it when they close; it has nothing to finish.
  void Encerra() {}

  // The buttons, the grid and the box.
  void BbStopClick();
  void BbImprimirClick();
  void DbgErrosEncontradosDblClick();
  void CkbAvisosClick(bool marcado);

 protected:
  void resizeEvent(QResizeEvent* evento) override;
  void showEvent(QShowEvent* evento) override;
  bool eventFilter(QObject* objeto, QEvent* evento) override;

 private:
  struct Botao;
  Botao CriaBotao(const char* sufixo, const QString& caption, int glifo, const QString& dica);
  void Dispoe();
  void AtualizaBotoes();
  void AtualizaContadores();
  // Shows what the run did since the last refresh; at most every 100 ms while it works.
  void AgendaAtualizacao();
  void Atualiza();
  void MudouLinhaAtual();

  TVerificacaoPendencias* m_verificacao;
  TModeloVerificacao* m_modelo;
  QTableView* m_grade;
  QWidget* m_pnInferior;
  QLabel* m_pnVerificados;
  QLabel* m_panelNumErros;
  QLabel* m_panelNumAvisos;
  QLabel* m_labelStop;
  QLabel* m_labelMens;
  QLabel* m_labelTempo;
  QWidget* m_pnAvisos;
  QWidget* m_pnEspaco;
  QCheckBox* m_ckbAvisos;
  QWidget* m_btnStop;
  QWidget* m_btnStopInativo;
  QWidget* m_btnPoint;
  QWidget* m_btnPointInativo;
  QWidget* m_btnPrint;
  QWidget* m_btnPrintInativo;
  QToolButton* m_speedBtnStop;
  QToolButton* m_speedBtnPoint;
  QToolButton* m_speedBtnPrint;
  QTimer* m_atualizacao;

  IServicosVerificacao* m_servicos = nullptr;
  Posicionador m_aoPosicionar;
  Impressao m_impressao;
  bool m_oferecePosicionar = true;  // the host's choice
  bool m_podePosicionar = true;     // and the current row's
  bool m_mostraParar = true;
  bool m_somenteConsulta = false;
  bool m_visualizar = true;
  bool m_compacto = false;
  bool m_imprimindo = false;
};
