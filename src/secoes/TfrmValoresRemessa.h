#pragma once

#include <QDate>
#include <QString>

#include <optional>
#include <vector>

#include "nucleo/Valor.h"
#include "secoes/IzuqValoresRemessaVisao.h"

// The payment lines of one beneficiary as the editor's controller keeps them beside the editor:
// a local list of lines in date order with the choice lists, the line being edited, the line
// counter, the navigation and the filters that a window over them would show. The editor edits
// the lines in its own grid and never shows this view, so it has no widgets: what the controls
// would do is done by its operations (Acrescenta, Edicao, SaiDoCampo, the moves). Nothing it
// holds is written to the database; the handlers it keeps are never called by it.
class TfrmValoresRemessa : public IzuqValoresRemessaVisao {
 public:
  struct Linha {
    int id = 0;
    QDate data;
    QString cdRetencao;
    int cdTipoRendimento = 0;
    Valor rendimentoPago;
    Valor irrf;
    int cdFormaTributacao = 0;
    // Nothing was entered in any of the six fields.
    bool Vazia() const;
  };
  struct CodigoRetencao {
    QString codigo;
    QString descricao;
    QString tipoBeneficiario;  // "F", "J" or "A"
  };
  struct TipoRendimento {
    int codigo = 0;
    QString descricao;
  };
  struct FormaTributacao {
    int codigo = 0;
    QString descricao;
    bool inZero = false;
    bool inNaoZero = false;
  };
  struct Navegacao {
    bool primeiro = false;
    bool anterior = false;
    bool proximo = false;
    bool ultimo = false;
    friend bool operator==(const Navegacao&, const Navegacao&) = default;
  };

  TfrmValoresRemessa();
  ~TfrmValoresRemessa() override;

  void Posicionar(const QString& id, const QString& indice) override;
  void Limpar() override;
  void ConcluiCarga() override;
  void AdicionaValor(const TzuqValorRemessa& valor) override;
  void AdicionaCodigoRetencao(const TCodigoRetencao& codigo) override;
  void AdicionaTipoRendimento(const TzuqTipoRendimento& tipo) override;
  void AdicionaFormaTributacao(const TzuqFormaTributacao& forma) override;
  void MostraErro(const TzuqErro& erro) override;
  void FiltraCodigosRetencao(const QString& tipo) override;
  void SetAoIncluir(Acao aoIncluir) override { m_aoIncluir = std::move(aoIncluir); }
  void SetAoAlterar(Acao aoAlterar) override { m_aoAlterar = std::move(aoAlterar); }
  void SetAoExcluir(Acao aoExcluir) override { m_aoExcluir = std::move(aoExcluir); }
  void SetAoValidarCampo(ValidacaoCampo aoValidarCampo) override { m_aoValidarCampo = std::move(aoValidarCampo); }
  void Habilita(bool habilitado) override { m_habilitado = habilitado; }
  int GetCdFormaTributacao() const override { return LinhaAtual().cdFormaTributacao; }
  QString GetCdRetencao() const override { return LinhaAtual().cdRetencao; }
  int GetCdTipoRendimento() const override { return LinhaAtual().cdTipoRendimento; }
  QString GetData() const override;
  int GetId() const override { return LinhaAtual().id; }
  Valor GetVlIrrf() const override { return LinhaAtual().irrf; }
  Valor GetVlRendimentoPago() const override { return LinhaAtual().rendimentoPago; }
  void SetId(int id) override;
  TTolv* GetTolv() const override { return m_tolv; }
  void SetTolv(TTolv* tolv) override { m_tolv = tolv; }

  // What the window shows.
  const std::vector<Linha>& Linhas() const { return m_linhas; }
  // The line shown in the edit area: the one being edited or added, else the current one.
  const Linha& LinhaAtual() const;
  int Atual() const { return m_atual; }  // index in Linhas(); -1 for none
  bool Adicionando() const { return m_adicionando; }
  bool EmEdicao() const { return m_edicao.has_value(); }
  // The current line's position, "/" and the number of lines; while adding (or without lines)
  // the number of lines plus one on both sides.
  QString Contador() const;
  Navegacao BotoesNavegacao() const;
  // The revenue codes that the filter lets through; the taxation forms that the current line's
  // tax admits (only the non-zero ones for a tax above zero).
  std::vector<CodigoRetencao> CodigosOferecidos() const;
  const std::vector<TipoRendimento>& TiposRendimento() const { return m_tipos; }
  std::vector<FormaTributacao> FormasOferecidas() const;
  // The description of the current line's taxation form; empty when it is not in the list.
  QString DescricaoFormaTributacao() const;
  QDate DataMinima() const { return m_dataMinima; }
  QDate DataMaxima() const { return m_dataMaxima; }
  bool Habilitado() const { return m_habilitado; }
  bool ErroMostrado() const { return m_erroMostrado; }
  // The field index whose control has the focus; -1 for none.
  int CampoFocado() const { return m_campoFocado; }
  Valor SomaRendimentoPago() const;
  Valor SomaIrrf() const;

  // What the controls do. Acrescenta starts a new line (a pending one is posted first); Edicao
  // gives the line being edited, starting an edit of the current one.
  void Acrescenta();
  Linha& Edicao();
  void Cancela();
  // The user leaves the control of a field index (0 date, 1 amount paid, 2 revenue code,
  // 4 taxation form, 6 tax withheld, 7 income type); `paraBotao`: the focus went to a push
  // button, which neither validates nor posts.
  void SaiDoCampo(uint8_t indice, bool paraBotao = false);
  // Each move posts a pending line first.
  void Primeiro();
  void Anterior();
  void Proximo();
  void Ultimo();

 private:
  void Posta();
  void Ordena();  // by date, the current line kept
  void MoveCursor(int indice);

  TTolv* m_tolv = nullptr;
  Acao m_aoIncluir;
  Acao m_aoAlterar;
  Acao m_aoExcluir;
  ValidacaoCampo m_aoValidarCampo;

  std::vector<Linha> m_linhas;
  int m_atual = -1;
  std::optional<Linha> m_edicao;
  bool m_adicionando = false;
  std::vector<CodigoRetencao> m_codigos;
  QString m_filtroTipo;  // empty: every code
  std::vector<TipoRendimento> m_tipos;
  std::vector<FormaTributacao> m_formas;
  QDate m_dataMinima;
  QDate m_dataMaxima;
  bool m_habilitado = false;
  bool m_erroMostrado = false;
  int m_campoFocado = -1;
};
