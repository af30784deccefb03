#include "secoes/TzuqDAORemessa.h"

#include <QFileInfo>

#include "nucleo/EFalhaBanco.h"
#include "plataforma/bd/Conexao.h"
#include "plataforma/bd/Consulta.h"
#include "plataforma/bd/ErroBanco.h"
#include "plataforma/bd/Procedimento.h"
#include "plataforma/bd/Transacao.h"

TzuqDAORemessa::TzuqDAORemessa()
    : m_transacaoPropria(std::make_unique<bd::Transacao>(
          QStringList{QStringLiteral("read_committed"), QStringLiteral("rec_version"), QStringLiteral("nowait")})),
      m_transacao(m_transacaoPropria.get()) {
  Conecta();
}

TzuqDAORemessa::TzuqDAORemessa(TzuqDAORemessa& dono) : m_transacao(dono.m_transacao) {
  Conecta();
}

void TzuqDAORemessa::Conecta() {
  bd::Conexao* declaracao = GetBancoDeclaracao();
  if (!declaracao) return;
  DefineTransacao(m_transacao);
  if (declaracao->conectada()) {
    m_bancoDeclaracao = declaracao;
    if (m_transacaoPropria) m_transacaoPropria->defineConexao(declaracao);
  } else {
    AbrirBancoDeclaracao(QFileInfo(declaracao->arquivo()).fileName(), false);
  }
  m_conectado = m_bancoDeclaracao && m_bancoDeclaracao->conectada() && !FalhaBanco && !FalhaBancoIndice;
}

TzuqDAORemessa::~TzuqDAORemessa() {
  // Before an own transaction goes with its member.
  DesfazPendente(false);
}

void TzuqDAORemessa::Confirma() {
  m_gravacoes = 0;
  ConfirmaTransacao();
}

bd::Procedimento& TzuqDAORemessa::Procedimento(std::unique_ptr<bd::Procedimento>& guardado, const QString& nome) {
  if (!guardado) {
    auto novo = std::make_unique<bd::Procedimento>(*m_transacao, nome);
    try {
      novo->prepara();
    } catch (const bd::ErroBanco& e) {
      throw EFalhaBanco(QStringLiteral("Não foi possível executar a procedure ") + nome +
                            QStringLiteral(". Mensagem retornada: ") + e.mensagem(),
                        EFalhaBanco::Lado::Declaracao);
    }
    guardado = std::move(novo);
  }
  return *guardado;
}

void TzuqDAORemessa::Percorre(bd::Consulta& consulta, const std::function<void(bd::Consulta&)>& linha) {
  if (!m_conectado) return;
  consulta.defineTransacao(m_transacao);
  if (!AbreDataSet(consulta)) return;
  struct Fecha {
    bd::Consulta& c;
    ~Fecha() { c.fecha(); }
  } fecha{consulta};
  for (; !consulta.eof(); consulta.proximo()) linha(consulta);
}

int TzuqDAORemessa::SaidaInteira(std::unique_ptr<bd::Procedimento>& guardado, const QString& nome,
                                 const QString& saida) {
  if (!m_conectado) return 0;
  bd::Procedimento& p = Procedimento(guardado, nome);
  if (!ExecutaProcedure(p)) return 0;
  return p.saida(saida).inteiro();
}

void TzuqDAORemessa::ConfirmaGravacao() {
  if (GetModoImportacao() && ++m_gravacoes < kIntervaloConfirmacao) return;
  m_gravacoes = 0;
  ConfirmaTransacaoRetendo();
}
