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

}  // namespace

TzuqRraDAO::TzuqRraDAO() : TColecaoSecao(QStringLiteral("RRA_ITEM")) {}

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

const TzuqRraDAO::Posicoes& TzuqRraDAO::Saidas(bd::Procedimento& procedimento) {
  auto [it, novo] = m_saidas.try_emplace(procedimento.nome());
  if (novo) {
    QStringList nomes;
    for (int i = 1; i <= procedimento.quantidadeSaidas(); ++i) nomes << procedimento.saida(i).nome().toUpper();
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
  Grava(p);

  if (novo) item.SetId(p.saida(QStringLiteral("RRA_ITEM_ID_OUT")).inteiro());
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
  // Committed at once: a deletion is final when the call returns.
  Grava(p);
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

TzuqRra& TzuqRraDAO::Busca(TzuqRra& item) {
  bd::Procedimento& p = Procedimento(QStringLiteral("BUSCA_RRA_ITEM"));
  p.param(QStringLiteral("RRA_ITEM_ID_E"), item.GetId());
  Pergunta(p);
  return CarregaItem(p, item);
}

TzuqRra& TzuqRraDAO::CarregaItem(bd::Procedimento& p, TzuqRra& item) {
  const Posicoes& s = Saidas(p);
  item.Limpar();
  item.SetId(p.saida(s[sId]).inteiro());

  TContribuinte& beneficiario = item.GetBeneficiario();
  const QString base = p.saida(s[sNumero]).texto().trimmed();
  if (!base.isEmpty()) beneficiario.SetNiComErro(base + TNiContribuinte::CalculaDVNi(base));
  const QString nome = p.saida(s[sNome]).texto();
  if (!nome.isEmpty()) beneficiario.GetNome().SetNomeComErro(nome);

  const bool declarante = p.saida(s[sTipo]).texto() == u"1";
  item.SetTipo(declarante ? 1 : 2);
  item.GetProcesso().SetOpcional(declarante);
  item.GetNatureza().CarregaValor(p.saida(s[sNatureza]).texto());
  item.GetProcesso().CarregaValor(p.saida(s[sProcesso]).texto());

  const QString baseAdvogado = p.saida(s[sNumeroAdvogado]).texto().trimmed();
  if (!baseAdvogado.isEmpty()) {
    // The kind is not stored with the item's lawyer: nine digits are a CPF, twelve a CNPJ.
    TContribuinte& advogado = item.GetAdvogado();
    advogado.SetNiComErro(baseAdvogado + TNiContribuinte::CalculaDVNi(baseAdvogado));
    const QString nomeAdvogado = p.saida(s[sNomeAdvogado]).texto();
    if (!nomeAdvogado.isEmpty()) advogado.GetNome().SetNomeComErro(nomeAdvogado);
  }

  const bd::Campo molestia = p.saida(s[sMolestia]);
  if (!molestia.nulo()) item.GetInMolestia().SetValor(molestia.texto());
  const bd::Campo laudo = p.saida(s[sLaudo]);
  const QDate data = laudo.nulo() ? QDate() : laudo.data();
  item.GetDataLaudo().SetValor((data.isValid() ? data : kDataZero).toString(QStringLiteral("dd/MM/yyyy")));

  TValoresRra& valores = item.GetValores();
  for (int i = 0; i < kValores; ++i) {
    const bd::Campo campo = p.saida(s[size_t(kSaidasFixas + i)]);
    ValorDe(valores, i / 12, i % 12 + 1).SetValorMonetario(Valor::deDezMilesimos(campo.nulo() ? 0 : campo.dezMilesimos()));
  }

  beneficiario.SetModificado(false);
  item.GetNatureza().SetModificado(false);
  item.GetProcesso().SetModificado(false);
  item.GetAdvogado().SetModificado(false);
  item.GetInMolestia().SetModificado(false);
  item.GetDataLaudo().SetModificado(false);
  valores.SetModificado(false);
  return item;
}

int TzuqRraDAO::QuantidadeRegistros(const TzuqRra& item) {
  bd::Consulta& c = Comando(QStringLiteral("SELECT RRADEC, RRAJUS FROM RRA_ITEM_TOTAL T"));
  Abre(c);
  const int total = c.campo(item.GetTipo() == 1 ? QStringLiteral("RRADEC") : QStringLiteral("RRAJUS")).inteiro();
  c.fecha();
  return total;
}

bool TzuqRraDAO::ExisteRegistro() {
  bd::Consulta& c = Comando(QStringLiteral("SELECT RRADEC, RRAJUS FROM RRA_ITEM_TOTAL T"));
  Abre(c);
  const bool existe = c.campo(QStringLiteral("RRADEC")).inteiro() + c.campo(QStringLiteral("RRAJUS")).inteiro() > 0;
  c.fecha();
  return existe;
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
