#include "secoes/TzuqValorRemessaDAO.h"

#include "plataforma/bd/Procedimento.h"
#include "secoes/ConversaoRemessa.h"
#include "secoes/TzuqRemessa.h"
#include "secoes/TzuqRemessaDAO.h"
#include "secoes/TzuqValorRemessa.h"

namespace {

const QDate kDataZero(1899, 12, 30);

bd::Dado Data(const QString& texto) {
  if (texto.trimmed().isEmpty()) return kDataZero;
  return ConversaoRemessa::Data(texto);
}

bd::Dado Quantia(const QString& texto) {
  return bd::DezMilesimos{ConversaoRemessa::Numero(texto).dezMilesimos()};
}

}  // namespace

TzuqValorRemessaDAO::TzuqValorRemessaDAO()
    : m_porRemessa(bd::Consulta::Modo::Sequencial), m_todos(bd::Consulta::Modo::Sequencial) {
  Prepara();
}

TzuqValorRemessaDAO::TzuqValorRemessaDAO(TzuqRemessaDAO& beneficiarios)
    : TzuqDAORemessa(beneficiarios),
      m_porRemessa(bd::Consulta::Modo::Sequencial),
      m_todos(bd::Consulta::Modo::Sequencial) {
  Prepara();
}

void TzuqValorRemessaDAO::Prepara() {
  m_porRemessa.defineSql(QStringLiteral("SELECT * FROM CONSULT_VL_POR_REMESSA(:TREM_ID_I)"));
  m_todos.defineSql(QStringLiteral(
      "SELECT TVRE_ID, TREM_ID, TVRE_DATA, TVRE_CD_RETENCAO, TVRE_CD_TIPO_RENDIMENTO, TVRE_CD_FORMA_TRIBUTACAO,\n"
      "       TVRE_VL_RENDIMENTO_PAGO, TVRE_VL_IRRF\n"
      "FROM TB_VALOR_REMESSA\n"
      "ORDER BY TREM_ID, TVRE_ID"));
}

TzuqValorRemessaDAO::~TzuqValorRemessaDAO() = default;

void TzuqValorRemessaDAO::Carrega(TzuqValorRemessa& valor, const bd::Consulta& linha) {
  auto campo = [&linha](const char* nome) { return linha.campo(QString::fromLatin1(nome)); };
  valor.SetId(campo("TVRE_ID").inteiro());
  valor.SetIdRemessa(campo("TREM_ID").inteiro());
  const bd::Campo data = campo("TVRE_DATA");
  const QDate dia = data.nulo() ? QDate() : data.data();
  valor.SetData(!dia.isValid() || dia == kDataZero ? QString() : dia.toString(QStringLiteral("dd/MM/yyyy")));
  valor.SetVlRendimentoPago(
      ConversaoRemessa::TextoCurto(Valor::deDezMilesimos(campo("TVRE_VL_RENDIMENTO_PAGO").dezMilesimos())));
  valor.SetCdRetencao(campo("TVRE_CD_RETENCAO").texto());
  valor.SetCdFormaTributacao(campo("TVRE_CD_FORMA_TRIBUTACAO").texto());
  valor.SetVlIrrf(ConversaoRemessa::TextoCurto(Valor::deDezMilesimos(campo("TVRE_VL_IRRF").dezMilesimos())));
  valor.SetCdTipoRendimento(campo("TVRE_CD_TIPO_RENDIMENTO").texto());
}

std::vector<std::unique_ptr<TzuqValorRemessa>> TzuqValorRemessaDAO::ConsultaPorRemessa(int idRemessa) {
  std::vector<std::unique_ptr<TzuqValorRemessa>> lista;
  CarregaPorRemessa(idRemessa, lista);
  return lista;
}

void TzuqValorRemessaDAO::CarregaPorRemessa(int idRemessa, std::vector<std::unique_ptr<TzuqValorRemessa>>& lista) {
  if (!Conectado()) return;
  m_porRemessa.fecha();
  m_porRemessa.defineTransacao(&Transacao());
  m_porRemessa.param(QStringLiteral("TREM_ID_I"), idRemessa);
  Percorre(m_porRemessa, [&lista](bd::Consulta& linha) {
    auto valor = std::make_unique<TzuqValorRemessa>();
    Carrega(*valor, linha);
    lista.push_back(std::move(valor));
  });
}

void TzuqValorRemessaDAO::PercorreTodos(TzuqValorRemessa& valor,
                                        const std::function<void(TzuqValorRemessa&)>& aCada) {
  Percorre(m_todos, [&](bd::Consulta& linha) {
    Carrega(valor, linha);
    aCada(valor);
  });
}

void TzuqValorRemessaDAO::Parametros(bd::Procedimento& p, const TzuqValorRemessa& valor) {
  // Every conversion before the first parameter: a text that is not a value stores nothing.
  const bd::Dado data = Data(valor.GetData());
  const int tipo = ConversaoRemessa::Inteiro(valor.GetCdTipoRendimento());
  const int forma = ConversaoRemessa::Inteiro(valor.GetCdFormaTributacao());
  const bd::Dado pago = Quantia(valor.GetVlRendimentoPago());
  const bd::Dado irrf = Quantia(valor.GetVlIrrf());
  const int remessa = valor.GetRemessa() ? valor.GetRemessa()->GetId() : valor.GetIdRemessa();
  p.param(QStringLiteral("TVRE_DATA"), data);
  p.param(QStringLiteral("TVRE_CD_RETENCAO"), valor.GetCdRetencao());
  p.param(QStringLiteral("TVRE_CD_TIPO_RENDIMENTO"), tipo);
  p.param(QStringLiteral("TVRE_CD_FORMA_TRIBUTACAO"), forma);
  p.param(QStringLiteral("TVRE_VL_RENDIMENTO_PAGO"), pago);
  p.param(QStringLiteral("TVRE_VL_IRRF"), irrf);
  p.param(QStringLiteral("TREM_ID"), remessa);
}

int TzuqValorRemessaDAO::Inclui(TzuqValorRemessa& valor) {
  if (!Conectado()) return 0;
  bd::Procedimento& p = Procedimento(m_inclui, QStringLiteral("INCLUI_VL_REMESSA"));
  Parametros(p, valor);
  if (!ExecutaProcedure(p)) return 0;
  valor.SetId(p.saida(QStringLiteral("TVRE_ID_O")).inteiro());
  if (valor.GetRemessa()) valor.SetIdRemessa(valor.GetRemessa()->GetId());
  ConfirmaGravacao();
  return valor.GetId();
}

void TzuqValorRemessaDAO::Atualiza(const TzuqValorRemessa& valor) {
  if (!Conectado()) return;
  bd::Procedimento& p = Procedimento(m_atualiza, QStringLiteral("ATUALIZAR_VL_REMESSA"));
  Parametros(p, valor);
  p.param(QStringLiteral("TVRE_ID"), valor.GetId());
  if (ExecutaProcedure(p)) ConfirmaGravacao();
}

void TzuqValorRemessaDAO::Exclui(int idValor) {
  if (!Conectado()) return;
  bd::Procedimento& p = Procedimento(m_exclui, QStringLiteral("EXCLUI_VL_REMESSA"));
  p.param(QStringLiteral("TVRE_ID"), idValor);
  if (ExecutaProcedure(p)) ConfirmaTransacao();
}

int TzuqValorRemessaDAO::NovaChave() {
  return SaidaInteira(m_novaChave, QStringLiteral("PROXIMO_TVRE_ID"), QStringLiteral("TVRE_ID_O"));
}
