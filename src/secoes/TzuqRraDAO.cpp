#include "secoes/TzuqRraDAO.h"

#include <QDate>

#include "nucleo/TColecaoTolvItem.h"
#include "nucleo/TTolv.h"
#include "secoes/TzuqRra.h"

namespace {

constexpr int kChaveNaDeclaracao = 1;
constexpr int kSeries = 7;
constexpr int kValores = kSeries * 12;
const QDate kDataZero(1899, 12, 30);
const QString kSemLaudo = QStringLiteral("30/12/1899");

// The stored series in the order of their columns, and the months of their names.
const char* const kPrefixos[kSeries] = {"VL_RENDIME", "VL_RETIDO", "VL_DEDUCAO_PO", "VL_DEDUCAO_PA",
                                        "VL_MOLESTIA", "VL_CUSTAS", "QTDE_MESES"};
const char* const kMeses[12] = {"JAN", "FEV", "MAR", "ABR", "MAI", "JUN", "JUL", "AGO", "SET", "OUT", "NOV", "DEZ"};

TMonetario& ValorDe(TValoresRra& v, int serie, int mes) {
  switch (serie) {
    case 0: return v.GetRendimento(mes);
    case 1: return v.GetRetido(mes);
    case 2: return v.GetDeducaoPO(mes);
    case 3: return v.GetDeducaoPA(mes);
    case 4: return v.GetMolestia(mes);
    case 5: return v.GetCustas(mes);
    default: return v.GetMeses(mes);
  }
}

QString NomeValor(int i) {
  return QLatin1String(kPrefixos[i / 12]) + u'_' + QLatin1String(kMeses[i % 12]);
}

// The inputs of INCLUI_ATU_RRA_ITEM besides the values, then the outputs of the BUSCA procedures
// besides the values; the values follow in both.
const char* const kEntradas[] = {"RRA_ITEM_ID",  "ACAO",        "IN_TIPO_RRA", "IN_PF_PJ",          "NR_PF_PJ",
                                 "NM_NM_EMPR",   "NATUREZA",    "RRA_PROCESSO", "IN_MOLESTIA",      "DATA_LAUDO",
                                 "IN_PF_PJ_ADVOGADO", "NR_ADVOGADO", "NM_ADVOGADO"};
const char* const kSaidas[] = {"RRA_ITEM_ID", "NR_PF_PJ",           "NM_NM_EMPR",  "IN_TIPO_RRA", "NATUREZA",
                               "RRA_PROCESSO", "NR_ADVOGADO",      "NM_NM_EMPR_ADVOGADO", "IN_MOLESTIA", "DATA_LAUDO"};
constexpr int kEntradasFixas = int(std::size(kEntradas));
constexpr int kSaidasFixas = int(std::size(kSaidas));

enum Entrada { eId, eAcao, eTipo, eTipoPessoa, eNumero, eNome, eNatureza, eProcesso, eMolestia, eLaudo,
               eTipoAdvogado, eNumeroAdvogado, eNomeAdvogado };
enum Saida { sId, sNumero, sNome, sTipo, sNatureza, sProcesso, sNumeroAdvogado, sNomeAdvogado, sMolestia, sLaudo };

bd::Dado Dinheiro(const TMonetario& valor) { return bd::DezMilesimos{valor.GetValorMonetario().dezMilesimos()}; }

const QString kTipoParam = QStringLiteral("IN_TIPO_RRA_E");
const QString kChaveParam = QStringLiteral("RRA_ITEM_ID_E");
const QString kJanelaInicio = QStringLiteral("SELECT * FROM RRA_ITENS_JANELA_INI(:IN_TIPO_RRA_E)");
const QString kJanelaAnterior =
    QStringLiteral("SELECT * FROM RRA_ITENS_JANELA_ANT(:RRA_ITEM_ID_E, :IN_TIPO_RRA_E) ORDER BY RRA_ITEM_ID");
const QString kJanelaProxima = QStringLiteral("SELECT * FROM RRA_ITENS_JANELA_PROX(:RRA_ITEM_ID_E, :IN_TIPO_RRA_E)");
const QString kJanelaFim = QStringLiteral("SELECT * FROM RRA_ITENS_JANELA_FIM(:IN_TIPO_RRA_E) ORDER BY RRA_ITEM_ID");
const QString kChave = QStringLiteral("SELECT * FROM RRA_ITENS_CHAVE(:RRA_ITEM_ID_E)");

// The query stands on a row (at either end it still shows its first or last one).
bool TemLinha(const bd::Consulta* consulta) {
  return consulta && consulta->aberta() && !consulta->vazia() && consulta->posicao() > 0;
}

int ChaveDe(const bd::Consulta& consulta) { return consulta.campo(1).inteiro(); }

}  // namespace

TzuqRraDAO::TzuqRraDAO() : TColecaoSecao(QStringLiteral("RRA_ITEM")) {
  for (int i = 0; i < 2; ++i) {
    Navegacao& nav = m_navegacoes[size_t(i)];
    nav.navegacao = std::make_unique<NavegacaoJanelas>(nav.janelas, nav.atual, Ligacao(i));
    nav.navegacao->Define(GetTransacao(), {kJanelaInicio, kJanelaAnterior, kJanelaProxima, kJanelaFim}, false);
    nav.chave.defineTransacao(GetTransacao());
    nav.chave.defineSql(kChave);
  }
}

TzuqRraDAO::~TzuqRraDAO() = default;

TzuqRraDAO& TzuqRraDAO::DaDeclaracao(TTolv& declaracao) {
  if (auto* dao = dynamic_cast<TzuqRraDAO*>(declaracao.GetColecaoSecao(kChaveNaDeclaracao))) return *dao;
  return static_cast<TzuqRraDAO&>(declaracao.DefineColecaoSecao(kChaveNaDeclaracao, std::make_unique<TzuqRraDAO>()));
}

QString TzuqRraDAO::Tipo(const TzuqRra& item) { return item.GetTipo() == 1 ? QStringLiteral("1") : QStringLiteral("2"); }

const TzuqRraDAO::Posicoes& TzuqRraDAO::Entradas(bd::Procedimento& procedimento) {
  auto [it, novo] = m_entradas.try_emplace(procedimento.nome());
  if (novo) {
    QStringList nomes;
    for (const QString& nome : procedimento.entradas()) nomes << nome.toUpper();
    auto posicao = [&](const QString& nome) { return int(nomes.indexOf(nome)) + 1; };
    for (int i = 0; i < kEntradasFixas; ++i) it->second[size_t(i)] = posicao(QLatin1String(kEntradas[i]));
    for (int i = 0; i < kValores; ++i) it->second[size_t(kEntradasFixas + i)] = posicao(NomeValor(i));
  }
  return it->second;
}

const TzuqRraDAO::Posicoes& TzuqRraDAO::Saidas(const bd::Consulta& linha) {
  auto [it, novo] = m_saidas.try_emplace(linha.sql());
  if (novo) {
    QStringList nomes;
    for (int i = 1; i <= linha.quantidadeCampos(); ++i) nomes << linha.nomeCampo(i).toUpper();
    auto posicao = [&](const QString& nome) { return int(nomes.indexOf(nome)) + 1; };
    for (int i = 0; i < kSaidasFixas; ++i) it->second[size_t(i)] = posicao(QLatin1String(kSaidas[i]));
    for (int i = 0; i < kValores; ++i) it->second[size_t(kSaidasFixas + i)] = posicao(NomeValor(i));
  }
  return it->second;
}

TzuqRra& TzuqRraDAO::Salva(TzuqRra& item) {
  const QString laudo = item.GetDataLaudo().GetValor();
  QDate dataLaudo = kDataZero;
  if (!laudo.isEmpty() && laudo != kSemLaudo) {
    dataLaudo = QDate::fromString(laudo, QStringLiteral("dd/MM/yyyy"));
    if (!dataLaudo.isValid()) throw EDataInvalida(laudo);
  }
  const TContribuinte& beneficiario = item.GetBeneficiario();
  TContribuinte& advogado = item.GetAdvogado();
  const bool comAdvogado = !advogado.GetNiDigitos().isEmpty();
  if (comAdvogado && advogado.GetTipo() == beneficiario.GetTipo() &&
      advogado.GetNiDigitos() == beneficiario.GetNiDigitos())
    advogado.GetNome().SetNomeComErro(beneficiario.GetNome().GetValor());

  bd::Procedimento& p = Procedimento(QStringLiteral("INCLUI_ATU_RRA_ITEM"));
  const Posicoes& e = Entradas(p);
  const bool novo = item.GetId() < 1;
  p.param(e[eId], novo ? bd::Dado() : bd::Dado(item.GetId()));
  p.param(e[eAcao], novo ? QStringLiteral("1") : QStringLiteral("2"));
  p.param(e[eTipo], Tipo(item));
  p.param(e[eTipoPessoa], QStringLiteral("1"));
  p.param(e[eNumero], beneficiario.GetBase());
  p.param(e[eNome], beneficiario.GetNome().GetValor());
  p.param(e[eNatureza], TextoOuNulo(item.GetNatureza().GetValor()));
  p.param(e[eProcesso], TextoOuNulo(item.GetProcesso().GetValor()));
  const QString molestia = item.GetInMolestia().GetValor();
  p.param(e[eMolestia], molestia.isEmpty() ? QStringLiteral("N") : molestia);
  p.param(e[eLaudo], dataLaudo);
  if (comAdvogado) {
    p.param(e[eTipoAdvogado], advogado.GetTipo() == kNiCpf ? QStringLiteral("1") : QStringLiteral("2"));
    p.param(e[eNumeroAdvogado], advogado.GetBase());
    p.param(e[eNomeAdvogado], advogado.GetNome().GetValor());
  }
  TValoresRra& valores = item.GetValores();
  for (int i = 0; i < kValores; ++i)
    p.param(e[size_t(kEntradasFixas + i)], Dinheiro(ValorDe(valores, i / 12, i % 12 + 1)));
  GuardaPosicoes();
  Grava(p);

  if (novo) {
    item.SetId(p.saida(QStringLiteral("RRA_ITEM_ID_OUT")).inteiro());
    Navegacao& nav = NavegacaoDe(item);
    if (nav.total >= 0) ++nav.total;
    nav.chaveGuardada = item.GetId();
    nav.posicaoGuardada = nav.total;
  }
  item.GetBeneficiario().SetModificado(false);
  item.GetNatureza().SetModificado(false);
  item.GetProcesso().SetModificado(false);
  advogado.SetModificado(false);
  item.GetInMolestia().SetModificado(false);
  item.GetDataLaudo().SetModificado(false);
  valores.SetModificado(false);
  return item;
}

void TzuqRraDAO::Exclui(const TzuqRra& item) {
  bd::Procedimento& p = Procedimento(QStringLiteral("EXCLUI_RRA_ITEM"));
  p.param(QStringLiteral("RRA_ITEM_ID_E"), item.GetId());
  GuardaPosicoes();
  // Committed at once: a deletion is final when the call returns.
  Grava(p);
  // The places of the type after the item move up by one.
  Navegacao& nav = NavegacaoDe(item);
  nav.total = -1;
  nav.chaveGuardada = 0;
  nav.posicaoGuardada = -1;
}

void TzuqRraDAO::GuardaPosicoes() {
  for (Navegacao& nav : m_navegacoes) {
    if (!TemLinha(nav.atual) || nav.navegacao->PosicaoAtual() < 1) continue;
    nav.chaveGuardada = ChaveDe(*nav.atual);
    nav.posicaoGuardada = nav.navegacao->PosicaoAtual();
  }
}

bool TzuqRraDAO::JaExiste(const TzuqRra& item) {
  bd::Procedimento& p = Procedimento(QStringLiteral("RRA_ITEM_EXISTE"));
  const TContribuinte& advogado = item.GetAdvogado();
  p.param(QStringLiteral("RRA_ITEM_ID_E"), item.GetId());
  p.param(QStringLiteral("IN_TIPO_RRA_E"), Tipo(item));
  p.param(QStringLiteral("IN_PF_PJ_E"), QStringLiteral("1"));
  p.param(QStringLiteral("NR_PF_PJ_E"), item.GetBeneficiario().GetBase());
  p.param(QStringLiteral("NATUREZA_E"), TextoOuNulo(item.GetNatureza().GetValor()));
  p.param(QStringLiteral("RRA_PROCESSO_E"), TextoOuNulo(item.GetProcesso().GetValor()));
  if (!advogado.GetNiDigitos().isEmpty()) {
    p.param(QStringLiteral("IN_PF_PJ_ADVOGADO_E"), advogado.GetTipo() == kNiCpf ? QStringLiteral("1") : QStringLiteral("2"));
    p.param(QStringLiteral("NR_ADVOGADO_E"), advogado.GetBase());
  }
  Pergunta(p);
  return p.saida(QStringLiteral("EXISTE")).texto() != u"0";
}

TzuqRraDAO::Navegacao& TzuqRraDAO::NavegacaoDe(const TzuqRra& item) {
  return m_navegacoes[item.GetTipo() == 1 ? 0 : 1];
}

NavegacaoJanelas::Ligacao TzuqRraDAO::Ligacao(int indice) {
  Navegacao& nav = m_navegacoes[size_t(indice)];
  const QString tipo = indice == 0 ? QStringLiteral("1") : QStringLiteral("2");
  NavegacaoJanelas::Ligacao l;
  l.abre = [this](bd::Consulta& consulta) {
    consulta.fecha();
    Abre(consulta);
  };
  l.posiciona = [&nav, tipo](bd::Consulta& janela, NavegacaoJanelas::Janela qual, const bd::Consulta* atual) {
    janela.param(kTipoParam, tipo);
    if (qual == NavegacaoJanelas::kAnterior || qual == NavegacaoJanelas::kProxima)
      janela.param(kChaveParam, TemLinha(atual) ? ChaveDe(*atual) : nav.partida);
  };
  l.semPosicao = [&nav] { return nav.partida < 1 && !TemLinha(nav.atual); };
  l.total = [&nav] { return nav.total; };
  return l;
}

void TzuqRraDAO::Sincroniza(Navegacao& nav, const TzuqRra& item) {
  nav.partida = item.GetId();
  if (TemLinha(nav.atual) && ChaveDe(*nav.atual) == item.GetId()) return;
  // The item came from elsewhere (a look-up, a save, a deletion): the moves start from its key and
  // no place is known until counted.
  nav.navegacao->EsqueceTudo();
  nav.atual = nullptr;
}

bool TzuqRraDAO::CarregaAtual(Navegacao& nav, TzuqRra& item, bool passo) {
  // A step that found nothing leaves the browsing on the row it started from.
  if (!TemLinha(nav.atual) || (passo && ChaveDe(*nav.atual) == item.GetId())) return false;
  CarregaItem(*nav.atual, item);
  nav.partida = item.GetId();
  return true;
}

TzuqRra& TzuqRraDAO::BuscaPrimeiro(TzuqRra& item) {
  Navegacao& nav = NavegacaoDe(item);
  Sincroniza(nav, item);
  nav.navegacao->Primeiro();
  CarregaAtual(nav, item, false);
  return item;
}

TzuqRra& TzuqRraDAO::BuscaAnterior(TzuqRra& item) {
  Navegacao& nav = NavegacaoDe(item);
  Sincroniza(nav, item);
  nav.navegacao->Anterior();
  CarregaAtual(nav, item, true);
  return item;
}

TzuqRra& TzuqRraDAO::BuscaProximo(TzuqRra& item) {
  Navegacao& nav = NavegacaoDe(item);
  Sincroniza(nav, item);
  nav.navegacao->Proximo();
  CarregaAtual(nav, item, true);
  return item;
}

TzuqRra& TzuqRraDAO::BuscaUltimo(TzuqRra& item) {
  Navegacao& nav = NavegacaoDe(item);
  Sincroniza(nav, item);
  // With the count known the last window knows its places.
  QuantidadeRegistros(item);
  nav.navegacao->Ultimo();
  CarregaAtual(nav, item, false);
  return item;
}

bool TzuqRraDAO::AbreChave(Navegacao& nav, int chave) {
  nav.chave.fecha();
  nav.chave.param(kChaveParam, chave);
  Abre(nav.chave);
  nav.navegacao->Esquece(nav.chave);
  return TemLinha(&nav.chave);
}

TzuqRra& TzuqRraDAO::Busca(TzuqRra& item) {
  Navegacao& nav = NavegacaoDe(item);
  Sincroniza(nav, item);
  if (!AbreChave(nav, item.GetId())) {
    item.Limpar();
    return item;
  }
  CarregaItem(nav.chave, item);
  // An item of the other type is shown, but not browsed from here.
  if (&NavegacaoDe(item) == &nav) {
    nav.atual = &nav.chave;
    nav.partida = item.GetId();
  }
  return item;
}

template <class Campo>
void Carrega(const std::array<int, 97>& s, Campo campo, TzuqRra& item) {
  item.Limpar();
  item.SetId(campo(s[sId]).inteiro());

  TContribuinte& beneficiario = item.GetBeneficiario();
  const QString base = campo(s[sNumero]).texto().trimmed();
  if (!base.isEmpty()) beneficiario.SetNiComErro(base + TNiContribuinte::CalculaDVNi(base));
  const QString nome = campo(s[sNome]).texto();
  if (!nome.isEmpty()) beneficiario.GetNome().SetNomeComErro(nome);

  const bool declarante = campo(s[sTipo]).texto() == u"1";
  item.SetTipo(declarante ? 1 : 2);
  item.GetProcesso().SetOpcional(declarante);
  item.GetNatureza().CarregaValor(campo(s[sNatureza]).texto());
  item.GetProcesso().CarregaValor(campo(s[sProcesso]).texto());

  const QString baseAdvogado = campo(s[sNumeroAdvogado]).texto().trimmed();
  if (!baseAdvogado.isEmpty()) {
    // The kind is not stored with the item's lawyer: nine digits are a CPF, twelve a CNPJ.
    TContribuinte& advogado = item.GetAdvogado();
    advogado.SetNiComErro(baseAdvogado + TNiContribuinte::CalculaDVNi(baseAdvogado));
    const QString nomeAdvogado = campo(s[sNomeAdvogado]).texto();
    if (!nomeAdvogado.isEmpty()) advogado.GetNome().SetNomeComErro(nomeAdvogado);
  }

  const bd::Campo molestia = campo(s[sMolestia]);
  if (!molestia.nulo()) item.GetInMolestia().SetValor(molestia.texto());
  const bd::Campo laudo = campo(s[sLaudo]);
  const QDate data = laudo.nulo() ? QDate() : laudo.data();
  item.GetDataLaudo().SetValor((data.isValid() ? data : kDataZero).toString(QStringLiteral("dd/MM/yyyy")));

  TValoresRra& valores = item.GetValores();
  for (int i = 0; i < kValores; ++i) {
    const bd::Campo c = campo(s[size_t(kSaidasFixas + i)]);
    ValorDe(valores, i / 12, i % 12 + 1).SetValorMonetario(Valor::deDezMilesimos(c.nulo() ? 0 : c.dezMilesimos()));
  }

  beneficiario.SetModificado(false);
  item.GetNatureza().SetModificado(false);
  item.GetProcesso().SetModificado(false);
  item.GetAdvogado().SetModificado(false);
  item.GetInMolestia().SetModificado(false);
  item.GetDataLaudo().SetModificado(false);
  valores.SetModificado(false);
}

TzuqRra& TzuqRraDAO::CarregaItem(const bd::Consulta& linha, TzuqRra& item) {
  Carrega(Saidas(linha), [&linha](int i) { return linha.campo(i); }, item);
  return item;
}

int TzuqRraDAO::QuantidadeRegistros(const TzuqRra& item) {
  Navegacao& nav = NavegacaoDe(item);
  if (nav.total < 0) {
    bd::Consulta& c = Comando(QStringLiteral("SELECT RRADEC, RRAJUS FROM RRA_ITEM_TOTAL T"));
    Abre(c);
    m_navegacoes[0].total = c.campo(QStringLiteral("RRADEC")).inteiro();
    m_navegacoes[1].total = c.campo(QStringLiteral("RRAJUS")).inteiro();
    c.fecha();
  }
  return nav.total;
}

bool TzuqRraDAO::ExisteRegistro() {
  bd::Consulta& c = Comando(QStringLiteral("SELECT FIRST 1 RRA_ITEM_ID FROM RRA_ITEM"));
  Abre(c);
  const bool existe = !c.eof();
  c.fecha();
  return existe;
}

int TzuqRraDAO::Conta(const TzuqRra& item) {
  bd::Consulta& c = Comando(QStringLiteral("SELECT COUNT(R.RRA_ITEM_ID) AS NOATUAL FROM RRA_ITEM R WHERE R.RRA_ITEM_ID "
                                           "<= :RRA_ITEM_ID_E AND R.IN_TIPO_RRA = :IN_TIPO_RRA_E"));
  c.param(kChaveParam, item.GetId());
  c.param(kTipoParam, Tipo(item));
  Abre(c);
  const int posicao = c.campo(1).inteiro();
  c.fecha();
  return posicao;
}

int TzuqRraDAO::PosicaoAtual(const TzuqRra& item) {
  if (item.GetId() < 1) return 0;
  Navegacao& nav = NavegacaoDe(item);
  const bool naLinha = TemLinha(nav.atual) && ChaveDe(*nav.atual) == item.GetId();
  if (naLinha && nav.navegacao->PosicaoAtual() > 0) return nav.navegacao->PosicaoAtual();
  const int posicao =
      item.GetId() == nav.chaveGuardada && nav.posicaoGuardada > 0 ? nav.posicaoGuardada : Conta(item);
  // The browsing stands on the item from now on, knowing its place: the next moves are not counted.
  if (!naLinha && AbreChave(nav, item.GetId()) && &NavegacaoDe(item) == &nav) {
    nav.atual = &nav.chave;
    nav.partida = item.GetId();
  }
  if (TemLinha(nav.atual) && ChaveDe(*nav.atual) == item.GetId()) nav.navegacao->ConhecePosicao(posicao);
  return posicao;
}

void TzuqRraDAO::Reconta() {
  for (Navegacao& nav : m_navegacoes) {
    nav.total = -1;
    nav.chaveGuardada = 0;
    nav.posicaoGuardada = -1;
    nav.navegacao->EsqueceTudo();
  }
}

QString TzuqRraDAO::BuscaNomeBeneficiario(const QString& base, int tipo) {
  bd::Consulta& c = Comando(QStringLiteral("SELECT B.NM_NM_EMPR FROM BENEFICIARIOS B WHERE B.IN_PF_PJ = :IN_PF_PJ_E "
                                           "AND B.NR_PF_PJ = :NR_PF_PJ_E"));
  c.param(QStringLiteral("IN_PF_PJ_E"), tipo == 1 ? QStringLiteral("1") : QStringLiteral("2"));
  c.param(QStringLiteral("NR_PF_PJ_E"), base);
  Abre(c);
  const QString nome = c.eof() ? QString() : c.campo(1).texto();
  c.fecha();
  return nome;
}
