#pragma once

#include <QDialog>
#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

class QComboBox;
class QGridLayout;
class QTableView;
class TColecaoAnexo;
class TTolv;
class TTolvButton;

// What the fund and process searches share: the criteria area on top, the grid of results read
// from the search a window at a time as it scrolls, and "Executar", "Limpar" and "Posicionar"
// (shown only while there are results; a double click on a row does the same). Posicionar hands
// the row's FONTE_DK to the page behind, and the dialog stays open.
class TfrmPesquisarAnexo : public QDialog {
  Q_OBJECT
 public:
  using Escolhido = std::function<void(const QString& chave)>;
  ~TfrmPesquisarAnexo() override;

  // Runs the search of the boxes; false when nothing was found (message 292 shown).
  bool ExecutaPesquisa();
  void Limpa();
  void Posicionar();
  int QuantidadeLinhas() const;
  // The text of a result cell, as the grid shows it.
  QString Texto(int linha, int coluna) const;
  QTableView* Grade() const { return m_grid; }
  bool PosicionarDisponivel() const;

 protected:
  struct Coluna {
    QString titulo;
    int caracteres;
    bool direita;
  };
  struct Linha {
    int chave = 0;
    QStringList textos;
  };

  TfrmPesquisarAnexo(TTolv& declaracao, Escolhido escolhido, const QString& nome, const QString& titulo,
                     std::vector<Coluna> colunas, QWidget* pai);
  // The criteria grid, for the subclass to fill (label, box, option box per row).
  QGridLayout* Criterios() const { return m_criterios; }
  // A box that keeps the last values typed under a section of the settings, and an option box.
  QComboBox* CaixaHistorico(const char* nome, const QString& secao);
  QComboBox* CaixaOpcoes(const char* nome, const QStringList& itens, int padrao);
  void showEvent(QShowEvent* evento) override;

  // Opens the search of the boxes on the working collection.
  virtual bool AbrePesquisa(TColecaoAnexo& colecao) = 0;
  // Reads at most `maximo` rows of the open search.
  virtual int Le(TColecaoAnexo& colecao, int maximo, std::vector<Linha>& linhas) = 0;
  // Clears the subclass's own choices (the typed boxes are cleared here).
  virtual void LimpaOpcoes() {}
  virtual QWidget* PrimeiroCampo() const = 0;

 private:
  class Modelo;
  void guardaHistoricos();
  void mostraPosicionar(bool mostra);

  TTolv* m_declaracao;
  Escolhido m_escolhido;
  std::unique_ptr<TColecaoAnexo> m_colecao;
  std::vector<std::pair<QComboBox*, QString>> m_historicos;
  QGridLayout* m_criterios = nullptr;
  Modelo* m_modelo = nullptr;
  QTableView* m_grid = nullptr;
  TTolvButton* m_btnExecutar = nullptr;
  TTolvButton* m_btnLimpar = nullptr;
  TTolvButton* m_btnLocalizar = nullptr;
  TTolvButton* m_tbLocalizarInativo = nullptr;
};
