#pragma once

#include <QPointer>
#include <QString>

#include <cstdint>
#include <map>
#include <memory>
#include <vector>

#include "controles/TPaginaDeclaracao.h"
#include "secoes/IzuqRemessaVisao.h"
#include "secoes/TzuqPais.h"

class IzuqConsultasRemessa;
class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QToolButton;
class TEdicaoRemessa;
class TGradeValoresRemessa;
class TTolvButton;
class TfrmPesquisarRemessa;
class TfrmRelFonteBeneficiario;
class TzuqRemessaControlador;

// The payments-abroad page (frmRemessa): the upper half edits one beneficiary resident abroad at
// a time (kind, country, NIF or why there is none, relation to the paying source, Brazilian
// number, name, address, phone) with navigation, add, delete, undo and search; the lower half is
// the grid of that beneficiary's payment lines with their totals.
//
// Each field is checked as the user leaves it, through the controller's rules; a beneficiary is
// saved when the user leaves the panel, enters the lines, moves or adds, after the checks of a
// save; a line when the user leaves it or the grid. A refused entry shows its message, puts the
// focus on the field at fault, raises the page's invalid-edit flag (EdicaoRecusada) and stops.
// Everything the page holds (the current beneficiary, the adding and positioning marks, a refused
// taxation form) belongs to the page object, made afresh for each declaration.
class TfrmRemessa : public TPaginaDeclaracao, public IzuqRemessaVisao {
  Q_OBJECT
 public:
  // `consultas`: the look-ups of the field rules (tests); by default the program's.
  explicit TfrmRemessa(QWidget* pai = nullptr, IzuqConsultasRemessa* consultas = nullptr);
  ~TfrmRemessa() override;

  // The page container's side.
  void Inicializa(const TContextoPagina& contexto) override;
  void Finaliza() override;
  // 600 the kind, 601 the first field to fill, 602 the lines.
  void MostraFicha(int codigo) override;
  bool PodeSair() override;
  void Posiciona(const QString& dono, const QString& objeto, int secao) override;
  void Recarrega() override { atualizaFormExterno(); }

  // IzuqRemessaVisao.
  void Posicionar(const QString& id, const QString& tela, const QString& campo) override;
  void AdicionaPais(const TzuqPais& pais) override;
  void PreparaInclusao() override;
  QString GetBairro() const override;
  QString GetCdPais() const override;
  QString GetCidade() const override;
  QString GetComplemento() const override;
  QString GetCxPostal() const override;
  int GetId() const override;
  QString GetCdRelFonteBeneficiario() const override;
  QString GetInTipoBeneficiario() const override;
  QString GetLogradouro() const override;
  QString GetNif() const override;
  QString GetInBenefDispensaNif() const override;
  QString GetInPaisDispensaNif() const override;
  QString GetNumero() const override;
  QString GetNi() const override;
  QString GetNome() const override;
  QString GetTelefone() const override;
  QString GetEstado() const override;
  void SetId(int id) override;
  void SetAoSalvar(Acao a) override { m_aoSalvar = std::move(a); }
  void SetAoExcluir(Acao a) override { m_aoExcluir = std::move(a); }
  void SetAoIncluir(Acao a) override { m_aoIncluir = std::move(a); }
  void SetAoAlterar(Acao a) override { m_aoAlterar = std::move(a); }
  void SetAoPosicionar(Acao a) override { m_aoPosicionar = std::move(a); }
  void SetAoCancelar(Acao a) override { m_aoCancelar = std::move(a); }
  void SetAoValidarCampo(ValidacaoCampo v) override { m_aoValidarCampo = std::move(v); }
  void SetAoVerificarExistencia(VerificacaoExistencia v) override { m_aoVerificarExistencia = std::move(v); }
  void FocaTipoBeneficiario() override;
  void FocaPrimeiroCampo() override;
  TTolv* GetTolv() const override { return m_tolv; }
  void SetTolv(TTolv* tolv) override { m_tolv = tolv; }
  void SetFormValores(IzuqValoresRemessaVisao*) override {}
  void MostraErro(const TzuqErro& erro) override;
  void SelecionaNo(int) override {}

  // What the buttons do; false when the action was refused.
  bool Inclui();
  void Primeiro();
  void Anterior();
  void Proximo();
  void Ultimo();
  void Desfaz();
  void Exclui();
  void Pesquisa();
  void EscolheRelacao();
  // Leaving the beneficiary panel: the NIF-or-reason rule, then the save of a pending edit.
  bool SaiDoPainel();
  // Entering the lines: the beneficiary must be complete, and is saved first.
  bool EntraNaGrade();
  // The lines' buttons and the save of the current line.
  bool IncluiValor();
  void ExcluiValor();
  void DesfazValor();
  bool GravaValor();
  // An edited text for a cell of the lines' grid (row, column of TEdicaoRemessa::ColunaValor);
  // false when refused, after its message.
  bool AtribuiValor(int linha, int coluna, const QString& texto);
  void AtualizaTotais();
  // Another page changed the lines under this one (a new event date): reads them again.
  void atualizaFormExterno();

  bool EdicaoInvalida() const { return m_edicaoInvalida; }
  void LimpaEdicaoInvalida() { m_edicaoInvalida = false; }
  bool CampoValido() const { return m_campoValido; }
  TEdicaoRemessa& Edicao() { return *m_edicao; }
  TzuqRemessaControlador* Controlador() const { return m_controlador.get(); }
  TGradeValoresRemessa* Grade() const { return m_grade; }
  TfrmRelFonteBeneficiario* DialogoRelacao() const { return m_dialogoRelacao; }
  TfrmPesquisarRemessa* UltimaPesquisa() const;
  QString Contador() const;

 signals:
  // An entry was refused: the main window's actions started by the same click do nothing.
  void EdicaoRecusada();
  // The declaration tree should show this node.
  void SelecionaNoArvore(int codigo);

 protected:
  bool eventFilter(QObject* objeto, QEvent* evento) override;
  void showEvent(QShowEvent* evento) override;

 private:
  enum class Origem { Texto, Saida, Rolagem };
  enum class Duplicata { Nenhuma, Saltou, Recusada };
  enum class Filtro : uint8_t { Livre, LetrasDigitos, Digitos };
  struct Campo {
    const char* coluna;
    int limite;
    Filtro filtro;
  };

  void MontaTela();
  QLineEdit* NovoEdit(const char* nome, const char* coluna, int limite, Filtro filtro);
  void RegistraSaidas();
  void LigaControles();

  // The beneficiary's table.
  QString Coluna(const char* coluna) const;
  void Escreve(const char* coluna, const QString& texto);
  void EscreveDado(const char* coluna, const QVariant& valor);
  bool RemessaVazia() const;
  bool RemessaIncompleta() const;
  void MostraRegistro();
  void Exibe();
  void AposRolar();
  bool VerificaAntesDeGravar();
  void AposGravar();
  bool GravaRemessa();

  // Rules of the page.
  bool PassaPortao(QWidget* destino) const;
  bool ValidaCampo(uint8_t numero, QWidget* destino);
  void AplicaTipo(Origem origem);
  Duplicata VerificaNifExistente();
  bool ValidaMotivoNif();
  void AtualizaNif();
  void AtualizaCaixasMotivo();
  void ClicaMotivo(QCheckBox* caixa);
  void AtualizaTela();
  void AtualizaContador();
  void AtualizaBotoes();
  void MostraTextoRelacao(bool mostra);
  void FocaCampo(int numero);
  bool Recusa(const QString& mensagem, QWidget* foco);
  bool DeclaranteEmpresa() const;
  QString RotuloNi() const;
  // An exit handler's answer: a refusal after which the page moved the focus itself lets that
  // move stand.
  static bool Resposta(bool aceita, QWidget* destino);

  // The lines.
  bool VerificaValorAntesDeGravar();
  void AposGravarValor();
  bool MudaDeLinha(int linha);
  bool NovaLinha();
  bool LinhaSemNada() const;
  bool SaiDaGrade();
  void EscNaGrade();
  void FimDaLinha();

  IzuqConsultasRemessa* m_consultas;
  TTolv* m_tolv = nullptr;
  std::unique_ptr<TEdicaoRemessa> m_edicao;
  std::unique_ptr<TzuqRemessaControlador> m_controlador;

  Acao m_aoSalvar, m_aoExcluir, m_aoIncluir, m_aoAlterar, m_aoPosicionar, m_aoCancelar;
  ValidacaoCampo m_aoValidarCampo;
  VerificacaoExistencia m_aoVerificarExistencia;

  QLabel* m_lblContador = nullptr;
  QFrame* m_painel = nullptr;
  QComboBox* m_tipo = nullptr;
  QComboBox* m_pais = nullptr;
  QGroupBox* m_blocoNif = nullptr;
  QLineEdit* m_nif = nullptr;
  QCheckBox* m_dispensaBeneficiario = nullptr;
  QCheckBox* m_dispensaPais = nullptr;
  QLineEdit* m_relacao = nullptr;
  QToolButton* m_botaoRelacao = nullptr;
  QLabel* m_textoRelacao = nullptr;
  QLabel* m_lblNi = nullptr;
  QLineEdit* m_ni = nullptr;
  QLabel* m_lblNome = nullptr;
  QLineEdit* m_nome = nullptr;
  QLineEdit* m_logradouro = nullptr;
  QLineEdit* m_numero = nullptr;
  QLineEdit* m_complemento = nullptr;
  QLineEdit* m_bairro = nullptr;
  QLineEdit* m_cxPostal = nullptr;
  QLineEdit* m_cidade = nullptr;
  QLineEdit* m_estado = nullptr;
  QLineEdit* m_telefone = nullptr;
  TTolvButton* m_btnPrimeiro = nullptr;
  TTolvButton* m_btnPesquisar = nullptr;
  TTolvButton* m_btnAnterior = nullptr;
  TTolvButton* m_btnProximo = nullptr;
  TTolvButton* m_btnUltimo = nullptr;
  TTolvButton* m_btnIncluir = nullptr;
  TTolvButton* m_btnExcluir = nullptr;
  TTolvButton* m_btnDesfazer = nullptr;
  QWidget* m_linhas = nullptr;
  TGradeValoresRemessa* m_grade = nullptr;
  TTolvButton* m_btnIncluiValor = nullptr;
  TTolvButton* m_btnExcluiValor = nullptr;
  TTolvButton* m_btnDesfazValor = nullptr;
  TfrmRelFonteBeneficiario* m_dialogoRelacao = nullptr;
  QPointer<TfrmPesquisarRemessa> m_pesquisa;

  std::map<QObject*, Campo> m_campos;
  std::map<int, QWidget*> m_mapaCampos;
  std::vector<TzuqPais> m_paises;
  QString m_nifAnterior;
  bool m_posicionando = false;
  bool m_incluindo = false;
  bool m_naCaixaMotivo = false;
  bool m_naGrade = false;
  bool m_formaTributacaoRecusada = false;
  bool m_campoValido = true;
  bool m_edicaoInvalida = false;
  bool m_carregando = false;
};
