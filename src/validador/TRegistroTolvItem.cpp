#include "validador/TRegistroTolvItem.h"

#include <QFileInfo>

#include "nucleo/TAnexoFC.h"
#include "nucleo/TColecaoAnexo.h"
#include "nucleo/TColecaoTolvItem.h"
#include "nucleo/TTolv.h"
#include "nucleo/TTolvItem.h"
#include "nucleo/Valor.h"
#include "plataforma/bd/ChamadaProcedimento.h"
#include "plataforma/bd/Consulta.h"
#include "validador/TArquivoDados.h"
#include "validador/TDataAccess.h"
#include "validador/TLinhaI.h"
#include "validador/ValoresImportacao.h"

using enum TTipoRegistro;

namespace {

constexpr const char* kMeses[13] = {"JAN", "FEV", "MAR", "ABR", "MAI", "JUN", "JUL", "AGO", "SET", "OUT", "NOV", "DEZ", "13"};

constexpr const char* kNomesItem[TRegistroTolvItem::kSeriesItem] = {
    "VL_RENDIME", "VL_DEDUCAO", "VL_DEDUCAO_PO", "VL_DEDUCAO_PP", "VL_DEDUCAO_DP", "VL_DEDUCAO_PA", "VL_RETIDO", "VL_MOLESTIA"};
// By name, not by place: previous years' compensation (CJAA) goes to VL_ANOANTERIOR, the calendar
// year's (CJAC) to VL_ANOATUAL.
constexpr const char* kNomesJudicial[TRegistroTolvItem::kSeriesJudicial] = {
    "VL_RENDIME", "VL_DEDUCAO", "VL_DEDUCAO_PO", "VL_DEDUCAO_PP", "VL_DEDUCAO_DP", "VL_DEDUCAO_PA", "VL_RETIDO",
    "VL_DEPOSITO", "VL_ANOANTERIOR", "VL_ANOATUAL"};
constexpr const char* kNomesIsento[TRegistroTolvItem::kSeriesIsento] = {"VL_RIP65", "VL_BOLSA", "VL_DAC",
                                                                          "VL_PDV",   "VL_AP",    "VL_COPA"};

template <size_t N>
void ResolveSeries(const bd::ChamadaProcedimento& p, const char* const (&nomes)[N], std::array<std::array<int, 13>, N>& series) {
  for (size_t s = 0; s < N; ++s)
    for (size_t m = 0; m < 13; ++m)
      series[s][m] = p.entrada(QString::fromLatin1(nomes[s]) + u'_' + QString::fromLatin1(kMeses[m]));
}

Valor Quantia(const bd::ChamadaProcedimento& p, int posicao) { return Valor::deDezMilesimos(p.dezMilesimosEntrada(posicao)); }

void CopiaSerie(const bd::ChamadaProcedimento& p, const std::array<int, 13>& serie, TSerieMensal& destino) {
  for (int m = 1; m <= 13; ++m) destino.Mes(m).SetValorMonetario(Quantia(p, serie[size_t(m - 1)]));
}

}  // namespace

TRegistroTolvItem::TRegistroTolvItem(TDataAccess& banco, TArquivoDados& dados) : TRegistroTransferObject(banco, dados) {
  m_proc1 = Prepara("INCLUI_ATU_TOLV_ITEM");
  m_proc2 = Prepara("INCLUI_ATU_JUDICIAL");
  m_proc3 = Prepara("INCLUI_ATU_ISENTO");
  static constexpr const char* kNomes[kCampos] = {"TOLV_ITEM_DK", "E_FONTE_DK", "TRIB_TRIBU", "E_IN_PF_PJ", "E_NR_PF_PJ",
                                                  "NM_NM_EMPR",   "ACAO",       "DATA_LAUDO", "IN_MOLESTIA"};
  m_campo = Entradas(*m_proc1, kNomes);
  ResolveSeries(*m_proc1, kNomesItem, m_serieItem);
  ResolveSeries(*m_proc2, kNomesJudicial, m_serieJudicial);
  ResolveSeries(*m_proc3, kNomesIsento, m_serieIsento);
  m_resultado = Saida(*m_proc1, "RESULTADO");
  m_chaveSaida = Saida(*m_proc1, "TOLV_ITEM_DK_OUT");
  static constexpr const char* kNomesFilho[kCamposFilho] = {"E_TOLV_ITEM_DK", "ACAO", "EXCLUIR"};
  m_judicial = Entradas(*m_proc2, kNomesFilho);
  m_isento = Entradas(*m_proc3, kNomesFilho);
  static constexpr const char* kNomesAnuais[kAnuais] = {"VL_ANUAL_OUTRO", "VL_ANUAL_DESCOUTRO", "VL_ANUAL_LUCDIV",
                                                        "VL_ANUAL_TITSOC"};
  m_anual = Entradas(*m_proc3, kNomesAnuais);
  // A new line has no key; what the procedure defaults (the specialised deduction, the previous
  // beneficiary of a changed line) it decides itself.
  m_proc1->defineInicial(m_campo[kChave], bd::Dado());
  for (const char* nome : {"DEDUCAO_ESPECIALIZADA", "E_IN_PF_PJ_ANT", "E_NR_PF_PJ_ANT"})
    if (const int i = m_proc1->procuraEntrada(QString::fromLatin1(nome)); i >= 0) m_proc1->defineInicial(i, bd::Dado());
  SetTiposRegistro(TiposDe({BPFDEC, BPJDEC, BPFFCI, BPJFCI, BPFPROC, BPJPROC, RTRT, RTPO, RTPP, RTDP, RTPA, RTIRF,
                            CJAA, CJAC, ESRT, ESPO, ESPP, ESDP, ESPA, ESIR, ESDJ, RIP65, RIBMR, RIDAC, RIIRP, RIAP,
                            RIVC, RIMOG, RIL96, RIPTS, RIO}));
  ReiniciaParametros();
}

TRegistroTolvItem::~TRegistroTolvItem() = default;

void TRegistroTolvItem::ReiniciaParametros() {
  TRegistroTransferObject::ReiniciaParametros();
  m_somaDeducao.fill(0);
  m_somaDeducaoJudicial.fill(0);
  m_temBeneficiario = false;
}

void TRegistroTolvItem::Preenche(const TLinhaI& linha) {
  bd::ChamadaProcedimento& p1 = *m_proc1;
  bd::ChamadaProcedimento& p2 = *m_proc2;
  bd::ChamadaProcedimento& p3 = *m_proc3;
  switch (linha.GetTipo()) {
    case BPFDEC: case BPFFCI: case BPFPROC:
      PreencheBeneficiario(linha, true);
      break;
    case BPJDEC: case BPJFCI: case BPJPROC:
      PreencheBeneficiario(linha, false);
      break;
    case RTRT: PreencheMeses(linha, p1, m_serieItem[kRendimento], nullptr, nullptr); break;
    case RTPO: PreencheMeses(linha, p1, m_serieItem[kDeducaoPO], &m_somaDeducao, &m_serieItem[kDeducao]); break;
    case RTPP: PreencheMeses(linha, p1, m_serieItem[kDeducaoPP], &m_somaDeducao, &m_serieItem[kDeducao]); break;
    case RTDP: PreencheMeses(linha, p1, m_serieItem[kDeducaoDP], &m_somaDeducao, &m_serieItem[kDeducao]); break;
    case RTPA: PreencheMeses(linha, p1, m_serieItem[kDeducaoPA], &m_somaDeducao, &m_serieItem[kDeducao]); break;
    case RTIRF: PreencheMeses(linha, p1, m_serieItem[kRetido], nullptr, nullptr); break;
    case RIMOG:
      PreencheMeses(linha, p1, m_serieItem[kMolestia], nullptr, nullptr);
      p1.defineTexto(m_campo[kInMolestia], u"S");
      break;
    case ESRT: case ESPO: case ESPP: case ESDP: case ESPA: case ESIR: case ESDJ: case CJAA: case CJAC: {
      MarcaJudicial();
      const TTipoRegistro t = linha.GetTipo();
      const bool deducao = t == ESPO || t == ESPP || t == ESDP || t == ESPA;
      const SerieJudicial serie = t == ESRT ? kJRendimento : t == ESPO ? kJDeducaoPO : t == ESPP ? kJDeducaoPP
                                : t == ESDP ? kJDeducaoDP : t == ESPA ? kJDeducaoPA : t == ESIR ? kJRetido
                                : t == ESDJ ? kJDeposito : t == CJAA ? kJAnoAnterior : kJAnoAtual;
      PreencheMeses(linha, p2, m_serieJudicial[serie], deducao ? &m_somaDeducaoJudicial : nullptr,
                    deducao ? &m_serieJudicial[kJDeducao] : nullptr);
      break;
    }
    case RIP65: MarcaIsento(); PreencheMeses(linha, p3, m_serieIsento[kRip65], nullptr, nullptr); break;
    case RIBMR: MarcaIsento(); PreencheMeses(linha, p3, m_serieIsento[kBolsa], nullptr, nullptr); break;
    case RIDAC: MarcaIsento(); PreencheMeses(linha, p3, m_serieIsento[kDac], nullptr, nullptr); break;
    case RIIRP: MarcaIsento(); PreencheMeses(linha, p3, m_serieIsento[kPdv], nullptr, nullptr); break;
    case RIAP: MarcaIsento(); PreencheMeses(linha, p3, m_serieIsento[kAp], nullptr, nullptr); break;
    case RIVC: MarcaIsento(); PreencheMeses(linha, p3, m_serieIsento[kCopa], nullptr, nullptr); break;
    case RIO:
      MarcaIsento();
      p3.defineDezMilesimos(m_anual[kAnualOutro], ValoresImportacao::Valor(linha.Item(1)));
      p3.defineTexto(m_anual[kAnualDescricao], linha.Item(2));
      break;
    case RIL96:
      MarcaIsento();
      p3.defineDezMilesimos(m_anual[kAnualLucros], ValoresImportacao::Valor(linha.Item(1)));
      break;
    case RIPTS:
      MarcaIsento();
      p3.defineDezMilesimos(m_anual[kAnualTitular], ValoresImportacao::Valor(linha.Item(1)));
      break;
    default:
      break;
  }
}

void TRegistroTolvItem::PreencheBeneficiario(const TLinhaI& linha, bool pessoa) {
  bd::ChamadaProcedimento& p = *m_proc1;
  m_temBeneficiario = true;
  if (m_fonteDoTexto != m_banco.FonteDK) {
    m_fonteDoTexto = m_banco.FonteDK;
    m_textoFonte = QString::number(m_fonteDoTexto);
  }
  p.defineTexto(m_campo[kFonte], m_textoFonte);
  p.defineTexto(m_campo[kCodigo], m_banco.CodigoRetencao);
  p.defineTexto(m_campo[kTipo], pessoa ? u"1" : u"2");
  p.defineTexto(m_campo[kNumero], ValoresImportacao::Base(linha.Item(1), pessoa));
  p.defineTexto(m_campo[kNome], linha.Item(2).trimmed());
  p.defineInteiro(m_campo[kAcao], m_dados.DecisaoTodos);
  const QStringView laudo = pessoa ? linha.Item(3) : QStringView();
  if (!laudo.isEmpty()) {
    p.defineData(m_campo[kDataLaudo], ValoresImportacao::Data(laudo));
    p.defineTexto(m_campo[kInMolestia], u"S");
  } else {
    p.defineTexto(m_campo[kInMolestia], u"N");
  }
  m_dados.BeneficiarioAtual = linha.Item(1).toString();
}

void TRegistroTolvItem::PreencheMeses(const TLinhaI& linha, bd::ChamadaProcedimento& p, const Serie& serie,
                                      std::array<int64_t, 13>* soma, const Serie* total) {
  // After the month of a special situation's event nothing is read: those months stay 0.
  const int mesEvento = m_dados.MesEvento;
  const int meses = mesEvento >= 1 && mesEvento <= 11 ? mesEvento : 12;
  auto le = [&](int campo, size_t indice) {
    const QStringView texto = linha.Item(campo);
    if (texto.isEmpty()) return;
    const int64_t valor = ValoresImportacao::Valor(texto);
    p.defineDezMilesimos(serie[indice], valor);
    if (soma) {
      (*soma)[indice] += valor;
      p.defineDezMilesimos((*total)[indice], (*soma)[indice]);
    }
  };
  for (int m = 1; m <= meses; ++m) le(m, size_t(m - 1));
  le(13, 12);
}

void TRegistroTolvItem::MarcaJudicial() {
  m_pendente2 = true;
  m_proc2->defineInteiro(m_judicial[kFilhoAcao], m_dados.DecisaoTodos);
}

void TRegistroTolvItem::MarcaIsento() {
  m_pendente3 = true;
  m_proc3->defineInteiro(m_isento[kFilhoAcao], m_dados.DecisaoTodos);
}

void TRegistroTolvItem::DefineAcao(int acao) {
  m_proc1->defineInteiro(m_campo[kAcao], acao);
  m_proc2->defineInteiro(m_judicial[kFilhoAcao], acao);
  m_proc3->defineInteiro(m_isento[kFilhoAcao], acao);
}

void TRegistroTolvItem::Grava() {
  // Value records without their beneficiary make no line.
  if (m_temBeneficiario) {
    m_proc1->executa();
    const int64_t resultado = m_proc1->saidaInteiro(m_resultado);
    const int64_t chave = m_proc1->saidaInteiro(m_chaveSaida);
    if (resultado != 0) {
      GravaFilhos(chave, resultado);
      Conta(resultado);
    } else if (m_dados.DecisaoTodos == 0) {
      ResolveDuplicata(chave);
    }
  }
  // The next line starts clean: no child row of this one is sent with it.
  ReiniciaParametros();
}

void TRegistroTolvItem::GravaFilhos(int64_t chave, int64_t resultado) {
  const QString texto = QString::number(chave);
  auto filho = [&](bd::ChamadaProcedimento& p, bool pendente, int posicaoChave, int posicaoExcluir) {
    if (pendente) {
      p.defineTexto(posicaoChave, texto);
      p.executa();
    } else if (resultado == TColecaoTolvItem::kAlterada) {
      // A line that replaces a stored one replaces its suspended and exempt amounts too, also
      // when it has none.
      p.defineTexto(posicaoChave, texto);
      p.defineInteiro(posicaoExcluir, 1);
      p.executa();
    }
  };
  filho(*m_proc2, m_pendente2, m_judicial[kFilhoChave], m_judicial[kFilhoExcluir]);
  filho(*m_proc3, m_pendente3, m_isento[kFilhoChave], m_isento[kFilhoExcluir]);
  m_pendente2 = m_pendente3 = false;
}

void TRegistroTolvItem::Conta(int64_t resultado) {
  TArquivoDados::Contadores& c = m_dados.Contagem;
  if (resultado == TColecaoTolvItem::kIncluida) ++c.BeneficiariosAdicionados;
  if (resultado == TColecaoTolvItem::kAlterada) ++c.BeneficiariosSubstituidos;
  if (resultado == TColecaoTolvItem::kSomada) ++c.BeneficiariosConsolidados;
}

void TRegistroTolvItem::ResolveDuplicata(int64_t chave) {
  // The stored line is read by the lines' own collection: it sees what this pass stored so far.
  m_banco.Confirma();
  TTolv& tolv = m_dados.Tolv();
  const QString arquivo = QFileInfo(m_banco.ArquivoBanco()).fileName();
  auto mesmaDeclaracao = [&] { return tolv.GetNomeBancoDeclaracao().compare(arquivo, Qt::CaseInsensitive) == 0; };
  if (!mesmaDeclaracao()) {
    tolv.GetContribuinte().SetTipo(m_dados.TipoDeclarante);
    tolv.GetContribuinte().SetNiComErro(m_dados.NiDeclarante);
    if (!m_dados.AnoCalendario.isEmpty()) tolv.CarregaAnoCalendario(m_dados.AnoCalendario);
  }
  // Never another declaration's database: without its own, the stored line is shown empty.
  const bool leArmazenada = mesmaDeclaracao();

  std::unique_ptr<TAnexoFC> fundo;
  TTolvAnexo* anexo = &tolv;
  if (m_banco.FonteDK == 1) {
    tolv.SetFonteDK(QStringLiteral("1"));
  } else {
    fundo = std::make_unique<TAnexoFC>(tolv);
    fundo->SetFonteDK(QString::number(m_banco.FonteDK));
    if (leArmazenada) TColecaoAnexo(tolv).BuscaPorChave(*fundo);
    anexo = fundo.get();
  }
  TTolvItem armazenada(tolv, *anexo);
  TTolvItem importada(tolv, *anexo);
  TTolvItem soma(tolv, *anexo);
  if (leArmazenada) {
    const auto linhas = TColecaoTolvItem::CreateVerificacao(tolv, *anexo);
    bd::Consulta consulta(m_banco.Transacao(),
                          QStringLiteral("SELECT * FROM TOLV_ITENS_COMPLETOS WHERE TOLV_ITEM_DK = :TOLV_ITEM_DK"));
    consulta.param(QStringLiteral("TOLV_ITEM_DK"), chave);
    consulta.abre();
    if (!consulta.eof()) linhas->CarregaLinha(armazenada, consulta);
    consulta.fecha();
  }
  MontaLinhaImportada(importada);
  // Without an answer the stored line stays as it is.
  importada.SetAcao(TTolvItem::kMantem);
  if (m_dados.DecideConflitoBeneficiario)
    m_dados.DecideConflitoBeneficiario(armazenada, importada, m_dados.DecisaoTodos, soma);
  const uint8_t acao = importada.GetAcao();
  if (acao == TTolvItem::kSubstitui || acao == TTolvItem::kSoma) {
    DefineAcao(acao);
    m_proc1->executa();
    const int64_t resultado = m_proc1->saidaInteiro(m_resultado);
    GravaFilhos(m_proc1->saidaInteiro(m_chaveSaida), resultado);
    Conta(resultado);
  }
  m_banco.Confirma();
}

void TRegistroTolvItem::MontaLinhaImportada(TTolvItem& linha) {
  const bd::ChamadaProcedimento& p1 = *m_proc1;
  const bd::ChamadaProcedimento& p2 = *m_proc2;
  const bd::ChamadaProcedimento& p3 = *m_proc3;
  TBeneficiarioTolv& beneficiario = linha.GetBeneficiario();
  beneficiario.SetTipo(p1.textoEntrada(m_campo[kTipo]) == u"1" ? 1 : 2);
  beneficiario.SetNiPelaBaseComErro(p1.textoEntrada(m_campo[kNumero]));
  beneficiario.GetNome().SetNomeComErro(p1.textoEntrada(m_campo[kNome]));
  const QString codigo = p1.textoEntrada(m_campo[kCodigo]);
  beneficiario.SetCodigoRetencao(codigo);
  linha.GetCodigoRetencao().SetCodigo(codigo);
  linha.GetInMolestia().SetValor(p1.textoEntrada(m_campo[kInMolestia]));
  const QDate laudo = p1.dataEntrada(m_campo[kDataLaudo]);
  linha.GetDataLaudo().SetValor((laudo.isValid() ? laudo : QDate(1899, 12, 30)).toString(QStringLiteral("dd/MM/yyyy")));

  using R = TRendimentosTributaveis;
  static constexpr R::Serie kTributaveis[kSeriesItem] = {R::kRendimento, R::kDeducao,   R::kDeducaoPO, R::kDeducaoPP,
                                                         R::kDeducaoDP,  R::kDeducaoPA, R::kRetido,    R::kMolestia};
  for (int s = 0; s < kSeriesItem; ++s)
    CopiaSerie(p1, m_serieItem[size_t(s)], linha.GetTributaveis().GetSerie(kTributaveis[s]));
  static constexpr R::Serie kSuspensas[kJDeposito] = {R::kRendimento, R::kDeducao,   R::kDeducaoPO, R::kDeducaoPP,
                                                      R::kDeducaoDP,  R::kDeducaoPA, R::kRetido};
  for (int s = 0; s < kJDeposito; ++s)
    CopiaSerie(p2, m_serieJudicial[size_t(s)], linha.GetSubJudice().GetSerie(kSuspensas[s]));
  CopiaSerie(p2, m_serieJudicial[kJDeposito], linha.GetSubJudice().GetDepositos());
  CopiaSerie(p2, m_serieJudicial[kJAnoAnterior], linha.GetCompensacao().GetSerieAnoAnterior());
  CopiaSerie(p2, m_serieJudicial[kJAnoAtual], linha.GetCompensacao().GetSerieAnoAtual());

  TRendimentosIsentos& isentos = linha.GetIsentos();
  for (int s = 0; s < kSeriesIsento; ++s)
    CopiaSerie(p3, m_serieIsento[size_t(s)], isentos.GetSerie(TRendimentosIsentos::Serie(s)));
  isentos.GetAnualOutros().SetValorMonetario(Quantia(p3, m_anual[kAnualOutro]));
  isentos.GetAnualEspecificarOutros().SetValor(p3.textoEntrada(m_anual[kAnualDescricao]));
  isentos.GetAnualLucrosDiv96().SetValorMonetario(Quantia(p3, m_anual[kAnualLucros]));
  isentos.GetAnualTitularSocio().SetValorMonetario(Quantia(p3, m_anual[kAnualTitular]));
}
