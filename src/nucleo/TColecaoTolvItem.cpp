#include "nucleo/TColecaoTolvItem.h"

#include <QDate>
#include <QtGlobal>

#include <algorithm>
#include <array>
#include <vector>

#include "nucleo/CursorEspera.h"
#include "nucleo/EColecaoError.h"
#include "nucleo/EFalhaBanco.h"
#include "nucleo/NiContribuinte.h"
#include "nucleo/TColecaoCodigoRetencao.h"
#include "nucleo/TColecaoResumo.h"
#include "nucleo/TResumo.h"
#include "nucleo/TTolv.h"
#include "nucleo/TTolvItem.h"
#include "plataforma/bd/ErroBanco.h"
#include "plataforma/bd/Transacao.h"

namespace {

using Serie = TRendimentosTributaveis::Serie;

const QString kChave = QStringLiteral("TOLV_ITEM_DK");
const QString kFonte = QStringLiteral("FONTE_DK");
const QString kNumReg = QStringLiteral("NumReg");

const QString kJanelaInicio = QStringLiteral("Select * from BUSCA_TOLV_ITEM_INI(:FONTE_DK)");
const QString kJanelaAnterior = QStringLiteral("Select * from BUSCA_TOLV_ITEM_ANT(:NumReg, :FONTE_DK)\norder by TOLV_ITEM_DK");
const QString kJanelaProxima = QStringLiteral("Select * from BUSCA_TOLV_ITEM_PROX(:NumReg, :FONTE_DK)");
const QString kJanelaFim = QStringLiteral("Select * from BUSCA_TOLV_ITEM_FIM(:FONTE_DK)\norder by TOLV_ITEM_DK");
const QString kBusca = QStringLiteral(
    "Select * from BUSCA_TOLV_ITEM(:NumReg, :FONTE_DK, :TRIB_TRIBU_IN, :E_IN_PF_PJ_IN , :E_NR_PF_PJ_IN, "
    ":E_PROCESSO_IN, :E_VARA_IN, :E_MUNICIPIO_IN)");
const QString kOrdemChave = QStringLiteral("\norder by TOLV_ITEM_DK");
// The lists read the lines with their child values straight from the view, in the order of each
// list, walking an index of the section: no procedure stands between the rows and the reader.
const QString kListaPorChave = QStringLiteral(
    "SELECT C.* FROM TOLV_ITENS_COMPLETOS C\n"
    "WHERE C.E_FONTE_DK = :FONTE_DK\n"
    "PLAN JOIN (JOIN (C I ORDER PK_TOLV_ITENS, C J INDEX (PK_JUDICIAIS)), C S INDEX (PK_ISENTOS))\n"
    "ORDER BY C.E_FONTE_DK, C.TOLV_ITEM_DK");
const QString kListaPorBeneficiario = QStringLiteral(
    "SELECT C.* FROM TOLV_ITENS_COMPLETOS C\n"
    "WHERE C.E_FONTE_DK = :FONTE_DK\n"
    "PLAN JOIN (JOIN (C I ORDER TOLV_ITENS_CODIGO_BENEF, C J INDEX (PK_JUDICIAIS)), C S INDEX (PK_ISENTOS))\n"
    "ORDER BY C.E_FONTE_DK, C.E_IN_PF_PJ, C.E_NR_PF_PJ, C.TRIB_TRIBU");
// Every line of a beneficiary, of every source: the income statement.
const QString kLinhasDoBeneficiario = QStringLiteral(
    "SELECT C.* FROM TOLV_ITENS_COMPLETOS C\n"
    "WHERE C.E_IN_PF_PJ = :E_IN_PF_PJ_IN AND C.E_NR_PF_PJ = :E_NR_PF_PJ_IN\n"
    "PLAN SORT (JOIN (JOIN (C I INDEX (TOLV_ITENS_BENEF), C J INDEX (PK_JUDICIAIS)), C S INDEX (PK_ISENTOS)))\n"
    "ORDER BY C.E_FONTE_DK, C.TOLV_ITEM_DK");

// 1-based columns of a row of lines (TOLV_ITENS_COMPLETOS): each group holds January to December,
// then the thirteenth salary.
constexpr int kColRendimento = 6;
constexpr int kColDeducao = 19;
constexpr int kColDeducaoPO = 32;
constexpr int kColRetido = 84;
constexpr int kColMolestia = 97;
constexpr int kColJudiciais = 119;
constexpr int kColIsentos = 249;
// The child tables hold the same groups from their column 2.
constexpr int kColFilhos = 2;
// Groups inside the judicial values, from their first column.
constexpr int kJudRendimento = 0;
constexpr int kJudDeducao = 13;
constexpr int kJudDeducaoPO = 26;
constexpr int kJudRetido = 78;
constexpr int kJudDeposito = 91;
constexpr int kJudAnoAtual = 104;
constexpr int kJudAnoAnterior = 117;
// Inside the exempt values: six series, then the annual amounts and the description.
constexpr int kIseOutros = 78;
constexpr int kIseDescricao = 79;
constexpr int kIseLucros = 80;
constexpr int kIseTitular = 81;
// The amounts of INCLUI_ATU_TOLV_ITEM stand two places after their columns.
constexpr int kDeslocamentoProcedimento = 2;

constexpr int kMeses = TSerieMensal::kMeses;
const std::array<Serie, 4> kDeducoes = {Serie::kDeducaoPO, Serie::kDeducaoPP, Serie::kDeducaoDP, Serie::kDeducaoPA};
// The eight groups of a line in column order.
const std::array<Serie, 8> kGruposLinha = {Serie::kRendimento, Serie::kDeducao,   Serie::kDeducaoPO, Serie::kDeducaoPP,
                                           Serie::kDeducaoDP,  Serie::kDeducaoPA, Serie::kRetido,    Serie::kMolestia};

const QDate kDataZero(1899, 12, 30);

int g_intervaloConfirmacao = 50000;

bool TemLinhas(const bd::Consulta& consulta) { return consulta.aberta() && !consulta.vazia(); }

Valor Le(const bd::Consulta& dados, int coluna) { return Valor::deDezMilesimos(dados.campo(coluna).dezMilesimos()); }

bd::Dado Quantia(const TMonetario& m) { return bd::DezMilesimos{m.GetValorMonetario().dezMilesimos()}; }

// Thirteen months from a column, decoded at once; the thirteenth as 0 when the code admits none,
// everything 0 when the series may not be read.
void LeSerie(TSerieMensal& serie, const bd::Consulta& dados, int coluna, bool le, bool semDecimo) {
  std::array<int64_t, kMeses> valores{};
  if (le) dados.dezMilesimos(coluna, kMeses, valores.data());
  if (semDecimo) valores[kMeses - 1] = 0;
  for (int mes = 1; mes <= kMeses; ++mes) serie.Mes(mes).SetValorMonetario(Valor::deDezMilesimos(valores[size_t(mes - 1)]));
}

bool AdmiteDeducao(const TCodigoRetencao& codigo, Serie serie) {
  switch (serie) {
    case Serie::kDeducaoPO: return codigo.GetDeducaoPO();
    case Serie::kDeducaoPP: return codigo.GetDeducaoPP();
    case Serie::kDeducaoDP: return codigo.GetDeducaoDP();
    case Serie::kDeducaoPA: return codigo.GetDeducaoPA();
    default: return true;
  }
}

bool EhEmpresa(const TTolvItem& linha) { return linha.GetBeneficiario().GetTipo() == kNiCnpj; }

// The stored date as the line keeps it; no date reads as the date zero.
QString TextoData(const bd::Campo& campo) {
  const QDate data = campo.nulo() ? QDate() : campo.data();
  return (data.isValid() ? data : kDataZero).toString(QStringLiteral("dd/MM/yyyy"));
}

QDate DataDoLaudo(const QString& texto) {
  if (texto.trimmed().isEmpty() || texto == u"  /  /    ") return kDataZero;
  QDate data = QDate::fromString(texto.trimmed(), QStringLiteral("dd/MM/yyyy"));
  if (!data.isValid()) data = QDate::fromString(texto.trimmed(), QStringLiteral("d/M/yyyy"));
  if (!data.isValid()) throw EDataInvalida(texto);
  return data;
}

bool MesmaIdentidade(const TTolvItem& a, const TTolvItem& b) {
  return a.GetTolvItemDK() == b.GetTolvItemDK() && a.GetCodigoRetencao().GetCodigo() == b.GetCodigoRetencao().GetCodigo() &&
         a.GetBeneficiario().GetNiFormatado() == b.GetBeneficiario().GetNiFormatado();
}

// Every judicial value of the line is zero, each series judged by its total and its thirteenth.
bool JudiciaisZerados(const TTolvItem& linha) {
  const TSubJudice& s = linha.GetSubJudice();
  const TCompensacao& c = linha.GetCompensacao();
  return c.SemAnoAtual() && c.SemAnoAnterior() && s.SemDeposito() && s.SemRetido() && s.SemRendimento() &&
         s.SemDeducao();
}

}  // namespace

QString TColecaoTolvItem::SqlLista(uint8_t ordem) {
  switch (ordem) {
    case kTodas:
    case kPorChave:
    case kVerificacao: return kListaPorChave;
    case kPorBeneficiario: return kListaPorBeneficiario;
    default: return {};
  }
}

int TColecaoTolvItem::IntervaloConfirmacao() { return g_intervaloConfirmacao; }

int TColecaoTolvItem::DefineIntervaloConfirmacao(int intervalo) {
  const int anterior = g_intervaloConfirmacao;
  g_intervaloConfirmacao = intervalo;
  return anterior;
}

EDataInvalida::EDataInvalida(const QString& texto)
    : std::runtime_error(QStringLiteral("'%1' não é uma data válida").arg(texto).toStdString()) {}

TColecaoTolvItem::TColecaoTolvItem(TTolv& declaracao, TTolvAnexo& anexo)
    : TColecaoTolvItem(declaracao, anexo, SoLeitura{}) {
  if (m_pronta) PreparaGravacao();
}

std::unique_ptr<TColecaoTolvItem> TColecaoTolvItem::CreateVerificacao(TTolv& declaracao, TTolvAnexo& anexo) {
  return std::unique_ptr<TColecaoTolvItem>(new TColecaoTolvItem(declaracao, anexo, SoLeitura{}));
}

TColecaoTolvItem::TColecaoTolvItem(TTolv& declaracao, TTolvAnexo& anexo, SoLeitura)
    : m_declaracao(&declaracao), m_anexo(&anexo), m_janelas(m_navegacao, m_consultaAtual, LigacaoJanelas()) {
  m_interativo = true;
  if (!Conecta()) {
    m_total = 0;
    return;
  }
  m_textoAnexo = anexo.EhAnexoFC() ? QStringLiteral("1") : QStringLiteral("0");
  m_carregada = std::make_unique<TTolvItem>(declaracao, anexo);
  m_verificacao = std::make_unique<TTolvItem>(declaracao, anexo);
  m_armazenada = std::make_unique<TTolvItem>(declaracao, anexo);
  m_codigos = &anexo.GetColecaoCodigoRetencao();
  PreparaLeitura();
  m_pronta = true;
}

bool TColecaoTolvItem::Conecta() {
  DefineTransacao(&m_declaracao->GetTransacaoDeclaracao());
  AbrirBancoDeclaracao(m_declaracao->GetNomeBancoDeclaracao(), false);
  return !FalhaBanco && !FalhaBancoIndice;
}

void TColecaoTolvItem::PreparaLeitura() {
  bd::Transacao& tr = *GetTransacao();
  auto prepara = [&tr](const QString& sql) {
    auto consulta = std::make_unique<bd::Consulta>(tr, sql, bd::Consulta::Modo::Sequencial);
    consulta->prepara();
    return consulta;
  };
  m_judiciais = prepara(QStringLiteral("SELECT * FROM JUDICIAIS\nWHERE E_TOLV_ITEM_DK = :E_TOLV_ITEM_DK"));
  m_isentos = prepara(QStringLiteral("SELECT * FROM ISENTOS\nWHERE E_TOLV_ITEM_DK = :E_TOLV_ITEM_DK"));
  m_beneficiario = prepara(kLinhasDoBeneficiario);
  m_consultaTotal.defineTransacao(&tr);
  // The key given as a parameter, never as text in the statement.
  m_consultaTotal.defineSql(QStringLiteral("Select TOTAL FROM TOTAL_TOLV_ITENS(:FONTE_DK)"));
  m_consultaTotal.prepara();
  m_consultaTotal.param(kFonte, m_anexo->GetFonteDK().isEmpty() ? bd::Dado() : bd::Dado(m_anexo->GetFonteDK().toInt()));
}

void TColecaoTolvItem::PreparaGravacao() {
  bd::Transacao& tr = *GetTransacao();
  m_procedimento = std::make_unique<bd::Procedimento>(tr, QStringLiteral("INCLUI_ATU_TOLV_ITEM"));
  m_procJudiciais = std::make_unique<bd::Procedimento>(tr, QStringLiteral("INCLUI_ATU_JUDICIAL"));
  m_procIsentos = std::make_unique<bd::Procedimento>(tr, QStringLiteral("INCLUI_ATU_ISENTO"));
  for (bd::Procedimento* p : {m_procedimento.get(), m_procJudiciais.get(), m_procIsentos.get()}) p->prepara();
  m_consultaComando.defineTransacao(&tr);
  m_consultaComando.defineSql(
      QStringLiteral("EXECUTE PROCEDURE EXCLUI_TOLV_ITEM(:FONTE_DK, :TOLV_ITEM_DK, :E_IN_PF_PJ, :E_NR_PF_PJ)"));
  m_consultaComando.prepara();
  m_gravacao = true;
}

TColecaoTolvItem::~TColecaoTolvItem() {
  DesfazPendente(!m_modoLista);
  // The totals kept in memory took in saves of a batch that never ended: they wait for a
  // recalculation.
  if (!m_lotePendente) return;
  m_anexo->GetResumo().SetOk(0);
  m_declaracao->GetResumoGeral().SetOk(0);
}

void TColecaoTolvItem::Confirma() {
  if (m_modoLista)
    ConfirmaTransacao();
  else
    ConfirmaTransacaoRetendo();
  if (!m_gravacao || m_interativo) return;
  // The end of a batch: the import's table emptied, the owner's summary stored. A refusal the
  // statements' policy did not see (a prepare, a value the database refuses) fails as a commit.
  try {
    bd::Consulta limpa(*GetTransacao(), QStringLiteral("DELETE FROM IMPITENS"));
    ExecutaConsulta(limpa);
    ConfirmaTransacaoRetendo();
    GravaResumoDoAnexo();
  } catch (const bd::ErroBanco& e) {
    throw EFalhaBanco(QStringLiteral("Não foi possível salvar as alterações. Mensagem retornada: ") + e.mensagem(),
                      EFalhaBanco::Lado::Declaracao);
  }
  m_lotePendente = false;
}

// ---------------------------------------------------------------------------------------------
// Modes

void TColecaoTolvItem::SetModoLista(bool modoLista) {
  ConfirmaTransacaoRetendo();
  m_modoLista = modoLista;
  if (!m_pronta) return;
  m_janelas.EsqueceTudo();
  bd::Transacao* tr = GetTransacao();
  if (modoLista) {
    for (int i = NavegacaoJanelas::kAnterior; i <= NavegacaoJanelas::kUltima; ++i) m_navegacao[size_t(i)].reset();
    m_consultaLista.defineModo(bd::Consulta::Modo::Sequencial);
    m_consultaLista.defineTransacao(tr);
    m_consultaLista.defineSql(SqlLista(m_ordem));
    m_consultaAtual = &m_consultaLista;
    // In list mode the first navigation query holds the lookup of batch saves.
    m_navegacao[NavegacaoJanelas::kPrimeira] = std::make_unique<bd::Consulta>(*tr, kBusca, bd::Consulta::Modo::Sequencial);
    return;
  }
  m_janelas.Define(tr, {kJanelaInicio, kJanelaAnterior, kJanelaProxima, kJanelaFim}, false);
  m_consultaLista.defineModo(bd::Consulta::Modo::Cache);
  m_consultaLista.defineTransacao(tr);
  m_consultaLista.defineSql(kBusca + kOrdemChave);
  m_consultaAtual = &m_janelas.JanelaDe(NavegacaoJanelas::kPrimeira);
}

void TColecaoTolvItem::SetInterativo(bool interativo) {
  TColecao::SetInterativo(interativo);
  if (interativo) return;
  GravaResumoDoAnexo();
  if (!GetModoImportacao()) m_controleDuplicatas = 1;
}

void TColecaoTolvItem::SetModoImportacao(bool modo) {
  if (modo || !m_interativo) m_controleDuplicatas = modo ? 0 : 1;
  if (GetModoImportacao() && !modo && !m_interativo && m_gravacao) {
    bd::Consulta insere(*GetTransacao(), QStringLiteral("EXECUTE PROCEDURE INSERE_IMPITENS"));
    if (ExecutaConsulta(insere) && !FalhaBancoIndice) {
      // Rebuilding an index that nobody turned off gains nothing, and the engine refuses it while
      // a procedure of this connection uses the table: it is tried only on an inactive index, and
      // a refusal leaves the index as it was.
      try {
        bd::Consulta inativo(*GetTransacao(), QStringLiteral("SELECT RDB$INDEX_INACTIVE FROM RDB$INDICES "
                                                              "WHERE RDB$INDEX_NAME = 'IMPITENS_IDX1'"));
        inativo.abre();
        if (!inativo.eof() && inativo.campo(1).inteiro() == 1) {
          inativo.fecha();
          bd::Consulta(*GetTransacao(), QStringLiteral("alter index IMPITENS_IDX1 active")).executa();
        }
      } catch (const bd::ErroBanco& e) {
        qWarning("IMPITENS_IDX1 continua como estava: %s", e.what());
      }
    }
    ConfirmaTransacaoRetendo();
  }
  TColecao::SetModoImportacao(modo);
}

// ---------------------------------------------------------------------------------------------
// Reading a row

void TColecaoTolvItem::AbreConsulta(bd::Consulta& consulta) {
  if (!m_pronta || consulta.sql().isEmpty()) return;
  ConfirmaTransacaoRetendo();
  CursorEspera espera;
  consulta.fecha();
  const QString& fonte = m_anexo->GetFonteDK();
  const bd::Dado chave = fonte.isEmpty() ? bd::Dado() : bd::Dado(fonte.toInt());
  consulta.param(kFonte, chave);
  m_consultaTotal.param(kFonte, chave);
  if (AbreDataSet(consulta) && !m_modoLista) consulta.buscaTodas();
}

void TColecaoTolvItem::CarregaObjeto(TTolvItem& linha, bd::Consulta& dados) {
  if (Vazia()) {
    linha.Limpa();
    m_carregada->Limpa();
    return;
  }
  LeLinha(linha, dados, Leitura::Navegacao);
  linha.SetModificado(false);
  linha.GetBeneficiario().SetModificado(false);
  // The stored line is read again by every save and delete before they look at it.
  TNotificacaoAdiada adiada;
  linha.CopiaPara(*m_carregada);
}

void TColecaoTolvItem::CarregaLinha(TTolvItem& linha, bd::Consulta& dados) {
  if (m_pronta) LeLinha(linha, dados, Leitura::Linha);
}

void TColecaoTolvItem::CarregaItemProcesso(TTolvItem& linha, bd::Consulta& dados) {
  if (m_pronta) LeLinha(linha, dados, Leitura::Processo);
}

const TColecaoTolvItem::Colunas& TColecaoTolvItem::ColunasDe(const bd::Consulta& dados) {
  ColunasResolvidas& c = m_colunas;
  if (c.consulta == &dados && c.preparo == dados.preparo() && c.preparo != 0) return c.colunas;
  static const char* const nomes[kColunasNomeadas] = {
      "TOLV_ITEM_DK", "E_FONTE_DK", "TRIB_TRIBU", "E_IN_PF_PJ",  "E_NR_PF_PJ",            "NM_NM_EMPR",    "E_PROCESSO",
      "E_VARA",       "E_MUNICIPIO", "IN_MOLESTIA", "DATA_LAUDO", "DEDUCAO_ESPECIALIZADA", "TEM_SUBJUDICE", "TEM_ISENTO"};
  for (int i = 0; i < kColunasNomeadas; ++i) {
    const QString nome = QString::fromLatin1(nomes[i]);
    const int indice = dados.indiceCampo(nome);
    // A row without one of them fails as reading it by name would.
    if (indice <= 0) dados.campo(nome);
    c.colunas[size_t(i)] = indice;
  }
  c.consulta = &dados;
  c.preparo = dados.preparo();
  return c.colunas;
}

QString TColecaoTolvItem::TextoDaData(const bd::Campo& campo) {
  const QDate data = campo.nulo() ? QDate() : campo.data();
  // A walk meets the same few dates over and over.
  if (data != m_ultimaData || m_textoUltimaData.isEmpty()) {
    m_ultimaData = data;
    m_textoUltimaData = (data.isValid() ? data : kDataZero).toString(QStringLiteral("dd/MM/yyyy"));
  }
  return m_textoUltimaData;
}

void TColecaoTolvItem::LeLinha(TTolvItem& linha, bd::Consulta& dados, Leitura leitura) {
  const Colunas& col = ColunasDe(dados);
  auto campo = [&dados, &col](ColunaNomeada c) { return dados.campo(col[c]); };
  // The line's observers hear of the load once, when it is over.
  TNotificacaoAdiada adiada;
  const int chave = campo(kCampoChave).inteiro();
  if (leitura != Leitura::Linha) m_chaveAtual = chave;
  linha.SetTolvItemDK(QString::number(chave));
  if (leitura == Leitura::Linha)
    linha.SetIndicadorAnexo(campo(kCampoFonte).inteiro() >= 2 ? QStringLiteral("1") : QStringLiteral("0"));

  const QString codigoTexto = campo(kCampoCodigo).texto();
  TBeneficiarioTolv& beneficiario = linha.GetBeneficiario();
  beneficiario.SetCodigoRetencao(codigoTexto);
  linha.GetProcesso().SetValor(campo(kCampoProcesso).texto());
  linha.GetVara().SetValor(campo(kCampoVara).texto());
  linha.GetMunicipio().SetValor(campo(kCampoMunicipio).texto());
  const QString molestia = campo(kCampoMolestia).texto();
  linha.GetInMolestia().SetValor(molestia);
  linha.GetDataLaudo().SetValor(TextoDaData(campo(kCampoLaudo)));
  linha.SetDeducaoEspecializada(!campo(kCampoEspecializada).igual(QLatin1StringView("F")));

  // The code's row; a code found nowhere leaves every flag clear.
  TCodigoRetencao& codigo = linha.GetCodigoRetencao();
  QString anexoCodigo = m_textoAnexo;
  if (leitura == Leitura::Processo)
    anexoCodigo = QStringLiteral("2");
  else if (leitura == Leitura::Linha)
    anexoCodigo = linha.GetIndicadorAnexo();
  else if (m_declaracao->GetInAdvogado() == 1 && m_anexo->GetContribuinte().GetTipoIdentificacao() == 1)
    anexoCodigo = QStringLiteral("2");
  codigo.Limpar();
  codigo.SetCodigo(codigoTexto);
  codigo.SetAno(m_declaracao->GetAnoCalendario());
  codigo.SetAnexo(anexoCodigo);
  m_codigos->BuscaCodigo(codigo);

  // The number without check digits as stored: 9 characters of a CPF, 12 of a CNPJ, all 20 of a
  // process number used as a beneficiary.
  const bd::Campo tipo = campo(kCampoTipo);
  const qsizetype corte = tipo.igual(QLatin1StringView("1")) ? 9 : tipo.igual(QLatin1StringView("3")) ? 20 : 12;
  beneficiario.SetNiPelaBaseComErro(campo(kCampoNumero).texto().left(corte));
  beneficiario.GetNome().SetNomeComErro(campo(kCampoNome).texto());

  const bool semDecimo = !codigo.GetDecimoTerceiro();
  const bool empresa = EhEmpresa(linha);
  TRendimentosTributaveis& t = linha.GetTributaveis();
  LeSerie(t.GetSerie(Serie::kRendimento), dados, kColRendimento, true, semDecimo);
  LeSerie(t.GetSerie(Serie::kDeducao), dados, kColDeducao, true, false);
  for (size_t i = 0; i < kDeducoes.size(); ++i)
    LeSerie(t.GetSerie(kDeducoes[i]), dados, kColDeducaoPO + 13 * int(i), AdmiteDeducao(codigo, kDeducoes[i]) && !empresa,
            semDecimo);
  LeSerie(t.GetSerie(Serie::kRetido), dados, kColRetido, true, semDecimo);
  LeSerie(t.GetSerie(Serie::kMolestia), dados, kColMolestia, leitura != Leitura::Linha || molestia == u"S", false);

  // Child values: 1 in their own table, 2 in this row.
  const int temJudicial = campo(kCampoTemJudicial).inteiro();
  const bool leJudicial = leitura != Leitura::Linha || codigo.GetSubJudice();
  if (leJudicial && temJudicial == 1) {
    CarregaJudiciais(linha);
  } else if (leJudicial && temJudicial == 2) {
    try {
      CarregaJudiciaisDaLinha(linha, dados);
    } catch (const bd::ErroBanco& e) {
      // A row that cannot be read leaves the values cleared, as a line without them.
      qWarning("valores judiciais da linha %d ilegíveis: %s", chave, e.what());
      linha.GetSubJudice().ZeraValores();
      linha.GetCompensacao().ZeraValores();
    }
  } else {
    linha.GetSubJudice().ZeraValores();
    linha.GetCompensacao().ZeraValores();
  }
  const int temIsento = campo(kCampoTemIsento).inteiro();
  if (codigo.GetAdmiteIsentos() && temIsento == 1)
    CarregaIsentos(linha);
  else if (codigo.GetAdmiteIsentos() && temIsento == 2)
    CarregaIsentosDaLinha(linha, dados);
  else
    linha.GetIsentos().ZeraValores();
}

namespace {

// The judicial values from their first column: a JUDICIAIS row (column 2) or a row of lines
// (column 119). The income of a row of lines is read under the same condition as the rest.
void LeJudiciais(TTolvItem& linha, const bd::Consulta& dados, int base, bool rendimentoCondicional) {
  const TCodigoRetencao& codigo = linha.GetCodigoRetencao();
  const bool semDecimo = !codigo.GetDecimoTerceiro();
  const bool admite = codigo.GetSubJudice() && !EhEmpresa(linha);
  TSubJudice& s = linha.GetSubJudice();
  TCompensacao& c = linha.GetCompensacao();
  LeSerie(s.GetSerie(Serie::kRendimento), dados, base + kJudRendimento, !rendimentoCondicional || admite, semDecimo);
  LeSerie(s.GetSerie(Serie::kDeducao), dados, base + kJudDeducao, true, false);
  for (size_t i = 0; i < kDeducoes.size(); ++i)
    LeSerie(s.GetSerie(kDeducoes[i]), dados, base + kJudDeducaoPO + 13 * int(i),
            admite && AdmiteDeducao(codigo, kDeducoes[i]), semDecimo);
  LeSerie(s.GetSerie(Serie::kRetido), dados, base + kJudRetido, admite, semDecimo);
  LeSerie(s.GetDepositos(), dados, base + kJudDeposito, true, semDecimo);
  LeSerie(c.GetSerieAnoAtual(), dados, base + kJudAnoAtual, admite, semDecimo);
  LeSerie(c.GetSerieAnoAnterior(), dados, base + kJudAnoAnterior, admite, semDecimo);
}

// The exempt values from their first column: an ISENTOS row (column 2) or a row of lines (249).
void LeIsentos(TTolvItem& linha, const bd::Consulta& dados, int base) {
  TRendimentosIsentos& isentos = linha.GetIsentos();
  for (int serie = 0; serie < TRendimentosIsentos::kSeries; ++serie)
    LeSerie(isentos.GetSerie(TRendimentosIsentos::Serie(serie)), dados, base + 13 * serie, true, false);
  isentos.GetAnualOutros().SetValorMonetario(Le(dados, base + kIseOutros));
  isentos.GetAnualEspecificarOutros().SetValor(dados.campo(base + kIseDescricao).texto());
  isentos.GetAnualLucrosDiv96().SetValorMonetario(Le(dados, base + kIseLucros));
  isentos.GetAnualTitularSocio().SetValorMonetario(Le(dados, base + kIseTitular));
}

}  // namespace

void TColecaoTolvItem::CarregaJudiciais(TTolvItem& linha) {
  linha.GetSubJudice().ZeraValores();
  linha.GetCompensacao().ZeraValores();
  bd::Consulta& q = *m_judiciais;
  q.fecha();
  q.param(QStringLiteral("E_TOLV_ITEM_DK"), linha.GetTolvItemDK().toInt());
  if (AbreDataSet(q) && !q.eof()) LeJudiciais(linha, q, kColFilhos, false);
  q.fecha();
}

void TColecaoTolvItem::CarregaJudiciaisDaLinha(TTolvItem& linha, bd::Consulta& dados) {
  linha.GetSubJudice().ZeraValores();
  linha.GetCompensacao().ZeraValores();
  LeJudiciais(linha, dados, kColJudiciais, true);
}

void TColecaoTolvItem::CarregaIsentos(TTolvItem& linha) {
  linha.GetIsentos().ZeraValores();
  bd::Consulta& q = *m_isentos;
  q.fecha();
  q.param(QStringLiteral("E_TOLV_ITEM_DK"), linha.GetTolvItemDK().toInt());
  if (AbreDataSet(q) && !q.eof() && linha.GetCodigoRetencao().GetAdmiteIsentos()) LeIsentos(linha, q, kColFilhos);
  q.fecha();
}

void TColecaoTolvItem::CarregaIsentosDaLinha(TTolvItem& linha, bd::Consulta& dados) {
  linha.GetIsentos().ZeraValores();
  LeIsentos(linha, dados, kColIsentos);
}

// ---------------------------------------------------------------------------------------------
// Lookup

bool TColecaoTolvItem::Localiza(TTolvItem& linha) {
  if (!m_pronta) return false;
  bd::Consulta* busca = m_modoLista ? m_navegacao[NavegacaoJanelas::kPrimeira].get() : &m_consultaLista;
  if (!busca) return false;
  busca->fecha();
  const int chave = linha.GetTolvItemDK().toInt();
  const TBeneficiarioTolv& beneficiario = linha.GetBeneficiario();
  busca->param(kNumReg, chave > 0 ? bd::Dado(chave) : bd::Dado());
  busca->param(QStringLiteral("TRIB_TRIBU_IN"), linha.GetCodigoRetencao().GetCodigo().trimmed());
  busca->param(QStringLiteral("E_IN_PF_PJ_IN"), QString::number(beneficiario.GetTipo()));
  busca->param(QStringLiteral("E_NR_PF_PJ_IN"), beneficiario.GetBase());
  busca->param(QStringLiteral("E_PROCESSO_IN"), linha.GetProcesso().GetValor());
  busca->param(QStringLiteral("E_VARA_IN"), linha.GetVara().GetValor());
  busca->param(QStringLiteral("E_MUNICIPIO_IN"), linha.GetMunicipio().GetValor());
  AbreConsulta(*busca);
  m_janelas.Esquece(*busca);
  if (!TemLinhas(*busca)) return false;
  if (busca->campo(kChave).inteiro() > 0) return true;
  if (m_interativo && linha.GetBeneficiario().GetNome().GetValor().isEmpty()) {
    // A new line of a beneficiary the declaration knows: what the other lines say of it.
    linha.GetBeneficiario().GetNome().SetNomeComErro(busca->campo(QStringLiteral("NM_NM_EMPR")).texto());
    const QString processo = busca->campo(QStringLiteral("E_PROCESSO")).texto();
    const QString vara = busca->campo(QStringLiteral("E_VARA")).texto();
    const QString municipio = busca->campo(QStringLiteral("E_MUNICIPIO")).texto();
    if (!processo.isEmpty() || !vara.isEmpty() || !municipio.isEmpty()) {
      linha.GetProcesso().SetValor(processo);
      linha.GetVara().SetValor(vara);
      linha.GetMunicipio().SetValor(municipio);
    }
    linha.GetInMolestia().SetValor(busca->campo(QStringLiteral("IN_MOLESTIA")).texto());
    linha.GetDataLaudo().SetValor(TextoData(busca->campo(QStringLiteral("DATA_LAUDO"))));
  }
  return false;
}

bool TColecaoTolvItem::Busca(TTolvItem& linha) {
  if (!Localiza(linha)) return false;
  bd::Consulta& busca = m_modoLista ? *m_navegacao[NavegacaoJanelas::kPrimeira] : m_consultaLista;
  CarregaObjeto(linha, busca);
  if (m_interativo) {
    m_noInicio = m_noFim = Vazia();
    if (!m_modoLista) m_consultaAtual = &busca;
  }
  return true;
}

bool TColecaoTolvItem::ExisteOutraLinha(TTolvItem& linha) { return LinhaComIdentidade(linha) > 0; }

bool TColecaoTolvItem::RegravaCodigo(const QString& codigo, const Progresso& progresso) {
  if (!m_gravacao || m_anexo->GetFonteDK().isEmpty()) return false;
  bool ok = false;
  const int fonte = m_anexo->GetFonteDK().toInt(&ok);
  if (!ok) return false;
  // What was saved before stays saved (committed here); from here on nothing is committed until
  // every line carries the new code.
  IniciaTransacao();
  bd::Transacao& transacao = *GetTransacao();
  {
    bd::Consulta repetida(transacao,
                          QStringLiteral("SELECT FIRST 1 E_IN_PF_PJ, E_NR_PF_PJ FROM TOLV_ITENS WHERE E_FONTE_DK = :F "
                                         "GROUP BY E_IN_PF_PJ, E_NR_PF_PJ, E_PROCESSO, E_VARA, E_MUNICIPIO "
                                         "HAVING COUNT(*) > 1"));
    repetida.param(QStringLiteral("F"), fonte);
    if (!AbreDataSet(repetida)) return false;
    if (!repetida.eof()) {
      const QString base = repetida.campo(QStringLiteral("E_NR_PF_PJ")).texto().trimmed();
      const QString numero = TNiContribuinte::FormataNi(base + TNiContribuinte::CalculaDVNi(base));
      throw EColecaoError::CreateCompleto(48, numero + u';' + codigo, 1, TErro::kBotaoOk, 0);
    }
  }
  std::vector<int> chaves;
  {
    bd::Consulta lista(transacao, QStringLiteral("SELECT TOLV_ITEM_DK FROM TOLV_ITENS WHERE E_FONTE_DK = :F "
                                                 "ORDER BY TOLV_ITEM_DK"));
    lista.param(QStringLiteral("F"), fonte);
    if (!AbreDataSet(lista)) return false;
    for (; !lista.eof(); lista.proximo()) chaves.push_back(lista.campo(1).inteiro());
  }
  const int total = int(chaves.size());
  bd::Consulta muda(transacao, QStringLiteral("UPDATE TOLV_ITENS SET TRIB_TRIBU = :C WHERE TOLV_ITEM_DK = :K"));
  muda.prepara();
  muda.param(QStringLiteral("C"), codigo.trimmed());
  if (progresso && !progresso(0, total)) {
    DesfazTransacaoRetendo();
    return false;
  }
  for (int i = 0; i < total; ++i) {
    muda.param(QStringLiteral("K"), chaves[size_t(i)]);
    if (!ExecutaConsulta(muda)) return false;
    // A few hundred lines between two reports keep the window alive without slowing the work.
    if (progresso && ((i + 1) % 256 == 0 || i + 1 == total) && !progresso(i + 1, total)) {
      DesfazTransacaoRetendo();
      return false;
    }
  }
  ConfirmaTransacaoRetendo();
  m_janelas.FechaExtremos();
  return true;
}

int TColecaoTolvItem::LinhaComIdentidade(TTolvItem& linha) {
  if (!m_interativo || !m_pronta) return 0;
  bd::Consulta busca(*GetTransacao(), kBusca + kOrdemChave, bd::Consulta::Modo::Sequencial);
  const TBeneficiarioTolv& beneficiario = linha.GetBeneficiario();
  busca.param(kNumReg, bd::Dado());
  busca.param(kFonte, m_anexo->GetFonteDK().toInt());
  busca.param(QStringLiteral("TRIB_TRIBU_IN"), linha.GetCodigoRetencao().GetCodigo().trimmed());
  busca.param(QStringLiteral("E_IN_PF_PJ_IN"), QString::number(beneficiario.GetTipo()));
  busca.param(QStringLiteral("E_NR_PF_PJ_IN"), beneficiario.GetBase());
  for (const char* texto : {"E_PROCESSO_IN", "E_MUNICIPIO_IN", "E_VARA_IN"}) busca.param(QString::fromLatin1(texto), QString());
  if (!AbreDataSet(busca) || busca.eof()) return 0;
  return std::max(busca.campo(kChave).inteiro(), 0);
}

// ---------------------------------------------------------------------------------------------
// Browsing

NavegacaoJanelas::Ligacao TColecaoTolvItem::LigacaoJanelas() {
  NavegacaoJanelas::Ligacao l;
  l.abre = [this](bd::Consulta& consulta) { AbreConsulta(consulta); };
  l.posiciona = [this](bd::Consulta& janela, NavegacaoJanelas::Janela qual, const bd::Consulta* atual) {
    // The first and last windows take only the source, which every opening sets.
    if (qual == NavegacaoJanelas::kAnterior || qual == NavegacaoJanelas::kProxima)
      janela.param(kNumReg, ChaveDaPosicao(atual));
  };
  l.semPosicao = [this] { return m_chaveAtual == -1 && !AtualTemLinhas(); };
  l.total = [this] { return m_total; };
  return l;
}

int TColecaoTolvItem::ChaveDaPosicao(const bd::Consulta* consulta) const {
  if (consulta && TemLinhas(*consulta) && consulta->posicao() > 0) return consulta->campo(kChave).inteiro();
  return m_chaveAtual;
}

bool TColecaoTolvItem::AbreBusca(int chave) {
  m_consultaLista.param(kNumReg, chave);
  AbreConsulta(m_consultaLista);
  m_janelas.Esquece(m_consultaLista);
  return TemLinhas(m_consultaLista);
}

void TColecaoTolvItem::Primeiro() {
  if (m_modoLista) {
    AbreConsulta(m_consultaLista);
    m_consultaAtual = &m_consultaLista;
    return;
  }
  if (m_pronta) m_janelas.Primeiro();
}

void TColecaoTolvItem::Ultimo() {
  if (m_modoLista) {
    while (m_consultaLista.aberta() && !m_consultaLista.eof()) m_consultaLista.proximo();
    return;
  }
  if (m_pronta) m_janelas.Ultimo();
}

void TColecaoTolvItem::Anterior() {
  if (!m_modoLista && m_pronta) m_janelas.Anterior();
}

void TColecaoTolvItem::Proximo() {
  if (m_modoLista) {
    if (!m_consultaLista.aberta()) return;
    m_consultaLista.proximo();
    // A long read does not keep one transaction context for ever.
    if (m_contador <= g_intervaloConfirmacao) {
      ++m_contador;
    } else {
      m_contador = 0;
      ConfirmaTransacaoRetendo();
    }
    return;
  }
  if (m_pronta) m_janelas.Proximo();
}

void TColecaoTolvItem::Reposiciona() {
  if (AtualTemLinhas()) return;
  m_consultaLista.fecha();
  if (AbreBusca(m_chaveAtual)) {
    m_consultaLista.primeiro();
    m_consultaAtual = &m_consultaLista;
  }
}

std::function<void(bd::Consulta&)> TColecaoTolvItem::Carregador(TTolvItem& linha) {
  return [this, &linha](bd::Consulta& dados) { CarregaObjeto(linha, dados); };
}

bool TColecaoTolvItem::CarregaPrimeiro(TTolvItem& linha) {
  Primeiro();
  bd::Consulta& dados = m_modoLista ? m_consultaLista : *m_consultaAtual;
  if (TemLinhas(dados) || Vazia()) CarregaObjeto(linha, dados);
  m_noInicio = true;
  m_noFim = Vazia();
  return Vazia();
}

bool TColecaoTolvItem::CarregaAnterior(TTolvItem& linha) {
  if (!m_modoLista) Anterior();
  return CarregaVoltando(Carregador(linha));
}

bool TColecaoTolvItem::CarregaProximo(TTolvItem& linha) {
  Proximo();
  return CarregaAvancando(Carregador(linha));
}

bool TColecaoTolvItem::CarregaUltimo(TTolvItem& linha) {
  Ultimo();
  if (AtualTemLinhas() || Vazia()) CarregaObjeto(linha, *m_consultaAtual);
  m_noFim = true;
  m_noInicio = Vazia();
  return Vazia();
}

void TColecaoTolvItem::CarregaAtual(TTolvItem& linha) {
  if (m_modoLista) {
    if (TemLinhas(m_consultaLista)) CarregaObjeto(linha, m_consultaLista);
    return;
  }
  Reposiciona();
  if (AtualTemLinhas()) CarregaObjeto(linha, *m_consultaAtual);
}

// ---------------------------------------------------------------------------------------------
// Counts

namespace {

int Conta(TColecao& colecao, bd::Consulta& consulta) {
  if (!colecao.AbreDataSet(consulta) || consulta.eof()) return 0;
  return consulta.campo(QStringLiteral("Total")).inteiro();
}

}  // namespace

int TColecaoTolvItem::TotalItens() {
  if (!m_pronta) return 0;
  bd::Consulta total(*GetTransacao(), QStringLiteral("Select count(*) As Total from TOLV_ITENS"));
  return Conta(*this, total);
}

int TColecaoTolvItem::TotalBeneficiarios(const QString& fonte) {
  if (!m_pronta) return 0;
  bd::Consulta total(*GetTransacao(), QStringLiteral("SELECT TOT_BENEF As Total FROM RESUMOS\nWHERE (E_FONTE_DK = :ID_FONTE)"));
  total.param(QStringLiteral("ID_FONTE"), fonte.toInt());
  return Conta(*this, total);
}

int TColecaoTolvItem::PosicaoItem(const QString& fonte, const QString& item) {
  if (!m_pronta) return 0;
  const int chave = item.toInt();
  const bool atual = fonte == m_anexo->GetFonteDK() && !m_modoLista && AtualTemLinhas() &&
                     m_consultaAtual->posicao() > 0 && m_consultaAtual->campo(kChave).inteiro() == chave;
  if (atual && m_janelas.PosicaoAtual() > 0) return m_janelas.PosicaoAtual();
  bd::Consulta total(*GetTransacao(), QStringLiteral("SELECT COUNT(*) As Total FROM TOLV_ITENS\n"
                                                      "WHERE (E_FONTE_DK = :ID_FONTE) AND (TOLV_ITEM_DK <= :ID_ITEM)\n"
                                                      "PLAN (TOLV_ITENS INDEX (PK_TOLV_ITENS))"));
  total.param(QStringLiteral("ID_FONTE"), fonte.toInt());
  total.param(QStringLiteral("ID_ITEM"), chave);
  const int posicao = Conta(*this, total);
  // The window that holds the line now knows where it stands: the next moves are not counted.
  if (atual && posicao > 0) m_janelas.ConhecePosicao(posicao);
  return posicao;
}

void TColecaoTolvItem::CarregaComprovante(const TBeneficiarioTolv& beneficiario,
                                          const std::function<void(TTolvItem&)>& adiciona) {
  if (!m_pronta) return;
  TTolv& declaracao = beneficiario.GetDeclaracao() ? *beneficiario.GetDeclaracao() : *m_declaracao;
  TTolvItem linha(declaracao, declaracao);
  bd::Consulta& q = *m_beneficiario;
  q.fecha();
  q.param(QStringLiteral("E_IN_PF_PJ_IN"), QString::number(beneficiario.GetTipo()));
  q.param(QStringLiteral("E_NR_PF_PJ_IN"), beneficiario.GetBase());
  if (AbreDataSet(q)) {
    for (; !q.eof(); q.proximo()) {
      CarregaLinha(linha, q);
      adiciona(linha);
    }
  }
  q.fecha();
}

// ---------------------------------------------------------------------------------------------
// Saving

void TColecaoTolvItem::DefineParametrosLinha(TTolvItem& linha) {
  bd::Procedimento& p = *m_procedimento;
  TBeneficiarioTolv& beneficiario = linha.GetBeneficiario();
  TCodigoRetencao& codigo = linha.GetCodigoRetencao();
  p.param(QStringLiteral("E_FONTE_DK"), m_anexo->GetFonteDK());
  p.param(QStringLiteral("TRIB_TRIBU"), codigo.GetCodigo().trimmed());
  p.param(QStringLiteral("E_IN_PF_PJ"), QString::number(beneficiario.GetTipo()));
  p.param(QStringLiteral("E_NR_PF_PJ"), beneficiario.GetBase());
  p.param(QStringLiteral("NM_NM_EMPR"), beneficiario.GetNome().GetValor());
  p.param(QStringLiteral("E_PROCESSO"), linha.GetProcesso().GetValor());
  p.param(QStringLiteral("E_VARA"), linha.GetVara().GetValor());
  p.param(QStringLiteral("E_MUNICIPIO"), linha.GetMunicipio().GetValor());
  // The code's rules decide what is stored: its row is read again.
  if (codigo.GetAno().isEmpty()) codigo.SetAno(m_declaracao->GetAnoCalendario());
  if (codigo.GetAnexo().isEmpty()) codigo.SetAnexo(m_textoAnexo);
  m_codigos->BuscaCodigo(codigo);
  p.param(QStringLiteral("IN_MOLESTIA"), linha.GetInMolestia().GetValor());
  p.param(QStringLiteral("DEDUCAO_ESPECIALIZADA"),
          m_declaracao->GetPossuiDeducoes() ? QStringLiteral("T") : QStringLiteral("F"));

  // What the code does not admit is zeroed in the line and stored as 0; the total deduction is
  // the sum of its four kinds.
  const bool semDecimo = !codigo.GetDecimoTerceiro();
  const bool empresa = EhEmpresa(linha);
  TRendimentosTributaveis& t = linha.GetTributaveis();
  for (int mes = 1; mes <= kMeses; ++mes) {
    const bool decimo = semDecimo && mes == kMeses;
    if (decimo) t.GetRendimento(mes).SetValorMonetario(Valor());
    Valor soma;
    for (Serie deducao : kDeducoes) {
      TMonetario& valor = t.GetSerie(deducao).Mes(mes);
      if (decimo || empresa || !AdmiteDeducao(codigo, deducao)) valor.SetValorMonetario(Valor());
      soma += valor.GetValorMonetario();
    }
    t.GetDeducao(mes).SetValorMonetario(soma);
    if (decimo) t.GetRetido(mes).SetValorMonetario(Valor());
    for (size_t g = 0; g < kGruposLinha.size(); ++g)
      p.param(kColRendimento + 13 * int(g) + mes - 1 + kDeslocamentoProcedimento, Quantia(t.GetSerie(kGruposLinha[g]).Mes(mes)));
  }
}

uint8_t TColecaoTolvItem::Grava(TTolvItem& linha) {
  if (!m_gravacao) return kNadaGravado;
  TBeneficiarioTolv& beneficiario = linha.GetBeneficiario();
  if (m_declaracao->GetTolvDK().isEmpty() || linha.GetAnexo().GetFonteDK().isEmpty() ||
      linha.GetCodigoRetencao().GetCodigo().trimmed().isEmpty() || beneficiario.GetNiFormatado().isEmpty())
    return kNadaGravado;
  // A date that is not one refuses the save before anything changes.
  const QDate laudo = DataDoLaudo(linha.GetDataLaudo().GetValor());

  bd::Procedimento& p = *m_procedimento;
  p.param(QStringLiteral("ACAO"), int(linha.GetAcao()));
  p.param(QStringLiteral("CONTROLA_DUPLICATAS"), int(m_controleDuplicatas));
  p.param(QStringLiteral("E_IN_PF_PJ_ANT"), bd::Dado());
  p.param(QStringLiteral("E_NR_PF_PJ_ANT"), bd::Dado());
  bool inclusao = true;
  if (!m_interativo) {
    LimpaArmazenada();
    p.param(kChave, bd::Dado());
  } else if (Localiza(linha)) {
    inclusao = false;
    CarregaLinha(*m_armazenada, m_modoLista ? *m_navegacao[NavegacaoJanelas::kPrimeira] : m_consultaLista);
    m_armazenadaLimpa = false;
    const TTolvItem& carregada = *m_carregada;
    if (!carregada.GetTolvItemDK().isEmpty() && !MesmaIdentidade(linha, carregada)) {
      // The line takes a code and beneficiary of its own: another stored line may hold them.
      linha.CopiaPara(*m_verificacao);
      m_verificacao->SetTolvItemDK({});
      const int outra = LinhaComIdentidade(*m_verificacao);
      // A line is never a duplicate of itself.
      if (outra > 0 && !linha.GetTolvItemDK().isEmpty() && outra != linha.GetTolvItemDK().toInt())
        throw EColecaoError::CreateCompleto(48, beneficiario.GetNiFormatado() + u';' + linha.GetCodigoRetencao().GetCodigo(),
                                            1, TErro::kBotaoOk, 0);
    }
    p.param(kChave, m_armazenada->GetTolvItemDK().toInt());
    if (beneficiario.GetNiFormatado() != carregada.GetBeneficiario().GetNiFormatado()) {
      p.param(QStringLiteral("E_IN_PF_PJ_ANT"), QString::number(carregada.GetBeneficiario().GetTipo()));
      p.param(QStringLiteral("E_NR_PF_PJ_ANT"), carregada.GetBeneficiario().GetBase());
    }
  } else {
    LimpaArmazenada();
    p.param(kChave, bd::Dado());
    linha.CopiaPara(*m_carregada);
  }
  DefineParametrosLinha(linha);
  p.param(QStringLiteral("DATA_LAUDO"), laudo);

  if (m_interativo || !GetTransacao()->ativa()) IniciaTransacao();
  // Nothing ran (the index database is unusable): nothing was stored, and the line says so.
  if (!ExecutaProcedure(p)) return kNadaGravado;
  ++m_contador;
  if (!m_interativo) m_lotePendente = m_alterou = true;
  if (!m_modoLista) m_janelas.FechaExtremos();
  const int resultado = p.saida(QStringLiteral("RESULTADO")).inteiro();
  const bd::Campo saida = p.saida(QStringLiteral("TOLV_ITEM_DK_OUT"));
  // Without key only for a line the procedure refused outright.
  const int chave = saida.nulo() ? -1 : saida.inteiro();

  // Whatever the answer, the line and the collection stand on the stored line it names.
  if (resultado == kIncluida && m_total >= 0) ++m_total;
  if (chave > 0) {
    if (linha.GetTolvItemDK().isEmpty()) linha.SetTolvItemDK(QString::number(chave));
    m_chaveAtual = chave;
    if (m_interativo && !m_modoLista && m_consultaAtual && m_consultaAtual->aberta()) AcompanhaGravacao(linha, inclusao);
  }
  TTolvItem& carregada = *m_carregada;
  linha.GetProcesso().CopiaPara(carregada.GetProcesso());
  linha.GetVara().CopiaPara(carregada.GetVara());
  linha.GetMunicipio().CopiaPara(carregada.GetMunicipio());
  const QString& nome = linha.GetBeneficiario().GetNome().GetValor();
  if (m_interativo && !carregada.GetBeneficiario().GetNome().GetValor().isEmpty() &&
      nome != carregada.GetBeneficiario().GetNome().GetValor()) {
    carregada.GetBeneficiario().GetNome().SetNomeComErro(nome);
    linha.GetInMolestia().CopiaPara(carregada.GetInMolestia());
    linha.GetDataLaudo().CopiaPara(carregada.GetDataLaudo());
    ConfirmaTransacao();
  }

  if (resultado == kIncluida || resultado == kAlterada || resultado == kSomada) {
    if (m_declaracao->GetAnoCalendario() >= u"2000") {
      const TCodigoRetencao& codigo = linha.GetCodigoRetencao();
      const bool judiciaisAlterados = linha.GetCompensacao().GetModificado() || linha.GetSubJudice().GetModificado();
      if (MesmaIdentidade(linha, carregada)) {
        if (codigo.GetSubJudice() && judiciaisAlterados) GravaJudiciais(linha, JudiciaisZerados(linha));
        if (codigo.GetAdmiteIsentos() && linha.GetIsentos().GetModificado()) GravaIsentos(linha, false);
      } else {
        if (!codigo.GetSubJudice() || EhEmpresa(linha)) {
          linha.GetCompensacao().ZeraValores();
          linha.GetSubJudice().ZeraValores();
          linha.GetCompensacao().SetModificado(true);
          linha.GetSubJudice().SetModificado(true);
          GravaJudiciais(linha, true);
        } else if (judiciaisAlterados) {
          GravaJudiciais(linha, JudiciaisZerados(linha));
        }
        if (!codigo.GetAdmiteIsentos()) {
          linha.GetIsentos().ZeraValores();
          GravaIsentos(linha, true);
        } else if (linha.GetIsentos().GetModificado()) {
          GravaIsentos(linha, false);
        }
      }
    }

    TResumo& resumo = m_anexo->GetResumo();
    if (m_interativo) {
      if (resumo.GetOk()) AtualizaResumos(*m_armazenada, linha, false);
      linha.CopiaPara(carregada);
      linha.SetModificado(false);
    } else if (resumo.GetOk()) {
      if (resultado == kAlterada) {
        // The replaced amounts are not known here: the totals wait for a recalculation.
        resumo.SetOk(0);
        m_declaracao->GetResumoGeral().SetOk(0);
        m_declaracao->GetColecaoResumo().GravaResumo(resumo);
      } else {
        AtualizaResumos(*m_armazenada, linha, resultado == kSomada);
      }
    }
  }
  ConfirmaGravacao();
  return uint8_t(resultado);
}

void TColecaoTolvItem::LimpaArmazenada() {
  // A batch clears it before every save: once is enough while nothing fills it.
  if (m_armazenadaLimpa) return;
  m_armazenada->Limpa();
  m_armazenadaLimpa = true;
}

void TColecaoTolvItem::ConfirmaGravacao() {
  // A batch commits every 50,001 saves.
  if (!m_interativo && m_contador <= g_intervaloConfirmacao) return;
  m_contador = 0;
  ConfirmaTransacaoRetendo();
  if (m_anexo->GetResumo().GetOk()) GravaResumoDoAnexo();
}

void TColecaoTolvItem::AtualizaResumos(TTolvItem& anterior, TTolvItem& nova, bool soma) {
  auto resumida = [this](TTolvItem& l, int acao) {
    TResumo::Linha r;
    r.chave = l.GetTolvItemDK();
    r.acao = acao;
    r.deducaoEspecializada = l.GetDeducaoEspecializada();
    r.anoCalendario = m_declaracao->GetAnoCalendario();
    r.tributaveis = &l.GetTributaveis();
    r.compensacao = &l.GetCompensacao();
    r.subJudice = &l.GetSubJudice();
    return r;
  };
  const TResumo::Linha a = resumida(anterior, TTolvItem::kSubstitui);
  const TResumo::Linha n = resumida(nova, soma ? TTolvItem::kSoma : TTolvItem::kSubstitui);
  m_anexo->GetResumo().AtualizaComItem(a, n);
  TResumo& geral = m_declaracao->GetResumoGeral();
  if (&geral != &m_anexo->GetResumo()) geral.AtualizaComItem(a, n);
}

void TColecaoTolvItem::GravaResumoDoAnexo() { m_declaracao->GetColecaoResumo().GravaResumo(m_anexo->GetResumo()); }

bool TColecaoTolvItem::PosicionaNaVista(int chave) {
  bd::Consulta& q = *m_consultaAtual;
  if (!TemLinhas(q) || q.modo() != bd::Consulta::Modo::Cache) return false;
  if (q.posicao() > 0 && q.campo(kChave).inteiro() == chave) return true;
  return q.localiza(kChave, {chave});
}

void TColecaoTolvItem::AcompanhaGravacao(TTolvItem& linha, bool inclusao) {
  const int chave = m_chaveAtual;
  if (inclusao) {
    bd::Consulta& ultima = m_janelas.JanelaDe(NavegacaoJanelas::kUltima);
    if (m_consultaAtual == &ultima) {
      ultima.acrescenta();
    } else {
      Ultimo();
      if (!PosicionaNaVista(chave)) return;
    }
    m_noInicio = m_noFim = false;
  } else if (!PosicionaNaVista(chave)) {
    return;
  }
  // The row shows what was stored, without reading it again.
  bd::Consulta& q = *m_consultaAtual;
  q.campo(1).define(chave);
  for (const char* nome : {"E_FONTE_DK", "TRIB_TRIBU", "E_IN_PF_PJ", "E_NR_PF_PJ", "NM_NM_EMPR", "E_PROCESSO", "E_VARA",
                           "E_MUNICIPIO", "IN_MOLESTIA", "DATA_LAUDO"}) {
    const QString n = QString::fromLatin1(nome);
    q.campo(n).define(m_procedimento->valorParametro(n));
  }
  TRendimentosTributaveis& t = linha.GetTributaveis();
  for (size_t g = 0; g < kGruposLinha.size(); ++g)
    for (int mes = 1; mes <= kMeses; ++mes)
      q.campo(kColRendimento + 13 * int(g) + mes - 1).define(Quantia(t.GetSerie(kGruposLinha[g]).Mes(mes)));
}

bool TColecaoTolvItem::PreparaFilho(bd::Procedimento& p, TTolvItem& linha, bool exclui, const QString& marca) {
  if (exclui && !m_interativo) return false;
  p.param(QStringLiteral("ACAO"), int(linha.GetAcao()));
  p.param(QStringLiteral("Excluir"), exclui ? 1 : 0);
  if (m_interativo && !m_modoLista && m_consultaAtual && PosicionaNaVista(linha.GetTolvItemDK().toInt())) {
    const bd::Campo tem = m_consultaAtual->campo(marca);
    if (exclui && tem.inteiro() == 0) return false;
    tem.define(exclui ? 0 : 1);
  }
  p.param(QStringLiteral("E_TOLV_ITEM_DK"), linha.GetTolvItemDK());
  return true;
}

void TColecaoTolvItem::GravaJudiciais(TTolvItem& linha, bool exclui) {
  if (!m_gravacao) return;
  bd::Procedimento& p = *m_procJudiciais;
  if (!PreparaFilho(p, linha, exclui, QStringLiteral("TEM_SUBJUDICE"))) return;

  const TCodigoRetencao& codigo = linha.GetCodigoRetencao();
  const bool semDecimo = !codigo.GetDecimoTerceiro();
  const bool admite = codigo.GetSubJudice() && !EhEmpresa(linha);
  TSubJudice& s = linha.GetSubJudice();
  TCompensacao& c = linha.GetCompensacao();
  auto envia = [&p](int posicao, TMonetario& valor, bool permitido) {
    if (!permitido) valor.SetValorMonetario(Valor());
    p.param(posicao, Quantia(valor));
  };
  for (int mes = 1; mes <= kMeses; ++mes) {
    const bool ok = !(semDecimo && mes == kMeses);
    envia(kColFilhos + kJudRendimento + mes - 1, s.GetRendimento(mes), admite && ok);
    Valor soma;
    for (size_t i = 0; i < kDeducoes.size(); ++i) {
      TMonetario& valor = s.GetSerie(kDeducoes[i]).Mes(mes);
      envia(kColFilhos + kJudDeducaoPO + 13 * int(i) + mes - 1, valor, admite && ok && AdmiteDeducao(codigo, kDeducoes[i]));
      soma += valor.GetValorMonetario();
    }
    // The stored total deduction is the sum of its kinds; a stored row leaves the line saying the
    // same, so that the totals kept line by line agree with the database.
    if (!exclui || !ok) s.GetDeducao(mes).SetValorMonetario(soma);
    p.param(kColFilhos + kJudDeducao + mes - 1, bd::DezMilesimos{soma.dezMilesimos()});
    envia(kColFilhos + kJudRetido + mes - 1, s.GetRetido(mes), admite && ok);
    envia(kColFilhos + kJudDeposito + mes - 1, s.GetDeposito(mes), admite && ok);
    envia(kColFilhos + kJudAnoAtual + mes - 1, c.GetAnoAtual(mes), admite && ok);
    envia(kColFilhos + kJudAnoAnterior + mes - 1, c.GetAnoAnterior(mes), admite && ok);
  }
  ExecutaProcedure(p);
}

void TColecaoTolvItem::GravaIsentos(TTolvItem& linha, bool exclui) {
  if (!m_gravacao) return;
  bd::Procedimento& p = *m_procIsentos;
  if (!PreparaFilho(p, linha, exclui, QStringLiteral("TEM_ISENTO"))) return;

  const TCodigoRetencao& codigo = linha.GetCodigoRetencao();
  const bool empresa = EhEmpresa(linha);
  TRendimentosIsentos& isentos = linha.GetIsentos();
  using I = TRendimentosIsentos;
  const std::array<bool, I::kSeries> admite = {codigo.GetIsentoRip65(), codigo.GetIsentoBolsa() && !empresa,
                                               codigo.GetIsentoDac(),   codigo.GetIsentoPdv(),
                                               codigo.GetIsentoAp(),    codigo.GetIsentoCopa() && !empresa};
  for (int serie = 0; serie < I::kSeries; ++serie) {
    TSerieMensal& s = isentos.GetSerie(I::Serie(serie));
    for (int mes = 1; mes <= kMeses; ++mes) {
      if (!admite[size_t(serie)]) s.Mes(mes).SetValorMonetario(Valor());
      p.param(kColFilhos + 13 * serie + mes - 1, Quantia(s.Mes(mes)));
    }
  }
  if (!codigo.GetIsentoOutros()) {
    isentos.GetAnualOutros().SetValorMonetario(Valor());
    isentos.GetAnualEspecificarOutros().SetValor(QString());
  }
  if (!codigo.GetIsentoLucroTitular()) {
    isentos.GetAnualLucrosDiv96().SetValorMonetario(Valor());
    isentos.GetAnualTitularSocio().SetValorMonetario(Valor());
  }
  p.param(kColFilhos + kIseOutros, Quantia(isentos.GetAnualOutros()));
  p.param(kColFilhos + kIseDescricao, isentos.GetAnualEspecificarOutros().GetValor());
  p.param(kColFilhos + kIseLucros, Quantia(isentos.GetAnualLucrosDiv96()));
  p.param(kColFilhos + kIseTitular, Quantia(isentos.GetAnualTitularSocio()));
  ExecutaProcedure(p);
}

// ---------------------------------------------------------------------------------------------
// Deleting

void TColecaoTolvItem::Exclui(TTolvItem& linha) {
  if (!m_gravacao) return;
  const QString chaveTexto = linha.GetTolvItemDK();
  const int chave = chaveTexto.toInt();
  if (!m_modoLista && m_consultaAtual && PosicionaNaVista(chave)) m_consultaAtual->exclui();
  const TBeneficiarioTolv& beneficiario = linha.GetBeneficiario();
  m_consultaComando.param(kFonte, m_anexo->GetFonteDK().toInt());
  m_consultaComando.param(kChave, chaveTexto.isEmpty() ? bd::Dado() : bd::Dado(chave));
  m_consultaComando.param(QStringLiteral("E_IN_PF_PJ"), QString::number(beneficiario.GetTipo()));
  m_consultaComando.param(QStringLiteral("E_NR_PF_PJ"), beneficiario.GetBase());
  bool rodou;
  {
    CursorEspera espera;
    rodou = ExecutaConsulta(m_consultaComando);
  }
  if (!rodou) return;
  ConfirmaTransacaoRetendo();
  if (!m_modoLista) m_janelas.FechaExtremos();
  LimpaArmazenada();
  // A line never stored takes nothing out of the count or the totals.
  if (!chaveTexto.isEmpty()) {
    if (m_total > 0) --m_total;
    AtualizaResumos(linha, *m_armazenada, false);
    GravaResumoDoAnexo();
  }
  if (!AtualTemLinhas())
    CarregaAnterior(linha);
  else
    CarregaAtual(linha);
  if (!AtualTemLinhas()) linha.Limpa();
}
