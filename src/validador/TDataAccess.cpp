#include "validador/TDataAccess.h"

#include "plataforma/bd/ChamadaProcedimento.h"
#include "plataforma/bd/Conexao.h"
#include "plataforma/bd/Consulta.h"
#include "plataforma/bd/ErroBanco.h"
#include "plataforma/bd/Servicos.h"

namespace {

const QStringList& Parametros() {
  static const QStringList p{QStringLiteral("read_committed"), QStringLiteral("rec_version"), QStringLiteral("nowait")};
  return p;
}

// Fewer pages of cache than this make every procedure call of the import read the disk again.
constexpr int kBuffersImportacao = 512;

}  // namespace

TDataAccess::TDataAccess() : m_transacao(Parametros()) {
  if (bd::Conexao* declaracao = GetBancoDeclaracao()) m_transacao.defineConexao(declaracao);
}

std::unique_ptr<TDataAccess> TDataAccess::CreateBanco(const QString& arquivo) {
  auto dados = std::make_unique<TDataAccess>();
  dados->AbreBanco(arquivo, false);
  return dados;
}

TDataAccess::~TDataAccess() {
  // The statements go before their transaction; what was not confirmed is undone.
  m_operadora.reset();
  m_titular.reset();
  m_beneficiario.reset();
  m_remessa.reset();
  m_rra.reset();
  try {
    if (m_transacao.ativa()) m_transacao.rollback();
  } catch (const bd::ErroBanco&) {
    // A connection that is gone took the transaction with it.
  }
  try {
    RestauraModoEscrita();
  } catch (const bd::ErroBanco&) {
    // A destructor has no one to tell: the pass that ends normally restores the mode itself and
    // reports a failure there.
  }
}

void TDataAccess::AbreBanco(const QString& arquivo, bool forcaCopia) {
  if (m_transacao.ativa()) m_transacao.rollback();
  AbrirBancoDeclaracao(arquivo, forcaCopia);
  m_transacao.defineConexao(m_bancoDeclaracao);
}

QString TDataAccess::ArquivoBanco() const {
  const bd::Conexao* conexao = m_bancoDeclaracao ? m_bancoDeclaracao : GetBancoDeclaracao();
  return conexao ? conexao->arquivo() : QString();
}

bool TDataAccess::AlteraModoEscrita() {
  m_erroModoEscrita.clear();
  if (m_modoAlterado) return true;
  const QString arquivo = ArquivoBanco();
  bd::Conexao* conexao = m_bancoDeclaracao ? m_bancoDeclaracao : GetBancoDeclaracao();
  try {
    if (!conexao || !conexao->conectada()) throw bd::ErroBanco(QStringLiteral("O banco de dados não está aberto."));
    m_escritaForcadaAntes = conexao->escritaForcada();
    m_buffersAntes = conexao->buffersPagina();
    m_arquivoModo = arquivo;
    // Marked first: a switch that fails halfway is still put back.
    m_modoAlterado = true;
    // A larger cache than the engine's default already is left alone: lowering it would slow
    // the import down and stay in the file.
    if (m_buffersAntes < kBuffersImportacao) bd::Servicos::defineBuffersPagina(arquivo, kBuffersImportacao);
    if (m_escritaForcadaAntes) bd::Servicos::defineEscritaForcada(arquivo, false);
    return true;
  } catch (const bd::ErroBanco& e) {
    m_erroModoEscrita =
        QStringLiteral("Não foi possível alterar o modo de escrita do banco. Mensagem retornada: ") + e.mensagem();
    try {
      RestauraModoEscrita();
    } catch (const bd::ErroBanco&) {
      // The first failure is the one told.
    }
    return false;
  }
}

void TDataAccess::RestauraModoEscrita() {
  if (!m_modoAlterado) return;
  m_modoAlterado = false;
  if (m_escritaForcadaAntes) bd::Servicos::defineEscritaForcada(m_arquivoModo, true);
  if (m_buffersAntes < kBuffersImportacao) bd::Servicos::defineBuffersPagina(m_arquivoModo, m_buffersAntes);
}

void TDataAccess::Confirma() {
  if (m_transacao.ativa()) m_transacao.commit();
}

void TDataAccess::ConfirmaRetendo() {
  if (m_transacao.ativa()) m_transacao.commitRetendo();
}

void TDataAccess::Desfaz() {
  if (m_transacao.ativa()) m_transacao.rollback();
}

bd::ChamadaProcedimento& TDataAccess::Sonda(std::unique_ptr<bd::ChamadaProcedimento>& sonda, const char* nome) {
  if (!m_transacao.temConexao()) {
    if (bd::Conexao* declaracao = GetBancoDeclaracao()) m_transacao.defineConexao(declaracao);
  }
  if (!sonda) {
    auto nova = std::make_unique<bd::ChamadaProcedimento>(m_transacao, QString::fromLatin1(nome));
    nova->prepara();
    sonda = std::move(nova);
  }
  sonda->reinicia();
  return *sonda;
}

int TDataAccess::ExisteOperadora(const QString& cnpjBase) {
  bd::ChamadaProcedimento& p = Sonda(m_operadora, "CONSULT_PS_OPERADORA_JA_EXISTE");
  p.defineTexto(p.entrada(QStringLiteral("TPO_NR_PF_PJ")), cnpjBase);
  p.defineTexto(p.entrada(QStringLiteral("TPO_IN_PF_PJ")), u"2");
  p.executa();
  return int(p.saidaInteiro(p.saida(QStringLiteral("TPO_ID_R"))));
}

int TDataAccess::ExisteTitular(int operadora, const QString& cpfBase) {
  bd::ChamadaProcedimento& p = Sonda(m_titular, "CONSULT_PS_TITULAR_JA_EXISTE");
  p.defineInteiro(p.entrada(QStringLiteral("TPT_TPO_ID")), operadora);
  p.defineTexto(p.entrada(QStringLiteral("TPT_NR_PF_PJ")), cpfBase);
  p.defineTexto(p.entrada(QStringLiteral("TPT_IN_PF_PJ")), u"1");
  p.executa();
  return int(p.saidaInteiro(p.saida(QStringLiteral("TPT_ID_R"))));
}

int TDataAccess::BuscaRemessa(const QString& tipo, const QString& nif, int pais) {
  bd::ChamadaProcedimento& p = Sonda(m_remessa, "BUSCA_REMESSA");
  p.defineTexto(p.entrada(QStringLiteral("TREM_IN_PF_PJ")), tipo);
  p.defineInteiro(p.entrada(QStringLiteral("TREM_CD_PAIS")), pais);
  const int posicaoNif = p.entrada(QStringLiteral("TREM_NIF"));
  if (nif.isEmpty())
    p.defineNulo(posicaoNif);
  else
    p.defineTexto(posicaoNif, nif);
  p.executa();
  IdRemessaExistente = int(p.saidaInteiro(p.saida(QStringLiteral("TREM_IDO"))));
  return IdRemessaExistente;
}

bool TDataAccess::ExisteBeneficiario(const QString& tipo, const QString& ni) {
  bd::ChamadaProcedimento& p = Sonda(m_beneficiario, "BUSCA_BENEFICIARIO");
  const QString base = ni.left(9);
  p.defineTexto(p.entrada(QStringLiteral("IN_PF_PJ_IN")), tipo);
  p.defineTexto(p.entrada(QStringLiteral("NR_PF_PJ_IN")), base);
  p.defineInteiro(p.entrada(QStringLiteral("QUANTIDADE")), 0);
  p.executa();
  const int saida = p.saida(QStringLiteral("NR_PF_PJ"));
  return !p.saidaNula(saida) && p.saidaTexto(saida) == base;
}

bool TDataAccess::ExisteBeneficiarioRra(const QString& cpf) {
  if (!m_transacao.temConexao()) {
    if (bd::Conexao* declaracao = GetBancoDeclaracao()) m_transacao.defineConexao(declaracao);
  }
  if (!m_rra) {
    m_rra = std::make_unique<bd::Consulta>(
        m_transacao, QStringLiteral("SELECT 1 FROM RRA_ITEM WHERE RRA_ITEM.IN_PF_PJ = '1' AND RRA_ITEM.NR_PF_PJ = :NR_PF_PJ"));
    m_rra->prepara();
  }
  m_rra->fecha();
  m_rra->param(QStringLiteral("NR_PF_PJ"), cpf.left(9));
  m_rra->abre();
  const bool existe = !m_rra->eof();
  m_rra->fecha();
  return existe;
}
