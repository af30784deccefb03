#pragma once

#include <QDialog>
#include <QString>

#include <functional>

class QComboBox;
class QLineEdit;
class QTableView;
class TModeloPesquisaRemessa;
class TTolvButton;
struct CriteriosPesquisaRemessa;

// The search of the beneficiaries abroad: by kind, country, NIF, Brazilian number and name, over
// the open declaration's database; a pick hands the beneficiary's key to the editor and closes
// the window. Shown without waiting; the editor fills its country list first.
class TfrmPesquisarRemessa : public QDialog {
  Q_OBJECT
 public:
  using Posicionamento = std::function<void(int id)>;

  explicit TfrmPesquisarRemessa(QWidget* pai = nullptr);
  ~TfrmPesquisarRemessa() override;

  void LimpaPaises();
  void AdicionaPais(const QString& nome, const QString& codigo);
  void SetAoPosicionar(Posicionamento aoPosicionar) { m_aoPosicionar = std::move(aoPosicionar); }

  CriteriosPesquisaRemessa MontaCriterios() const;
  // Executar, Limpar and Posicionar.
  void Executa();
  void Limpa();
  void Posiciona();

  QComboBox* Tipo() const { return m_tipo; }
  QComboBox* Pais() const { return m_pais; }
  QLineEdit* Nif() const { return m_nif; }
  QLineEdit* Ni() const { return m_ni; }
  QLineEdit* Nome() const { return m_nome; }
  QTableView* Grade() const { return m_grade; }
  TModeloPesquisaRemessa& Modelo() const { return *m_modelo; }
  TTolvButton* BotaoPosicionar() const { return m_posicionar; }
  TTolvButton* BotaoExecutar() const { return m_executar; }
  TTolvButton* BotaoLimpar() const { return m_limpar; }

 protected:
  bool eventFilter(QObject* objeto, QEvent* evento) override;
  void showEvent(QShowEvent* evento) override;

 private:
  QComboBox* m_tipo;
  QComboBox* m_pais;
  QLineEdit* m_nif;
  QLineEdit* m_ni;
  QLineEdit* m_nome;
  QTableView* m_grade;
  TModeloPesquisaRemessa* m_modelo;
  TTolvButton* m_posicionar;
  TTolvButton* m_executar;
  TTolvButton* m_limpar;
  Posicionamento m_aoPosicionar;
};
