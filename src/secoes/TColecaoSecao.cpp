#include "secoes/TColecaoSecao.h"

#include <stdexcept>

#include "nucleo/EColecaoError.h"
#include "nucleo/UtilTexto.h"
#include "plataforma/bd/Conexao.h"
#include "plataforma/bd/ErroBanco.h"

namespace {
constexpr uint16_t kTabelaNaoAtualizada = 96;
constexpr uint16_t kTabelaNaoAberta = 97;
}  // namespace

TColecaoSecao::TColecaoSecao(const QString& tabela)
    : m_transacao(QStringList{QStringLiteral("read_committed"), QStringLiteral("rec_version"),
                              QStringLiteral("nowait")}),
      m_tabela(tabela) {
  bd::Conexao* conexao = GetBancoDeclaracao();
  if (!conexao || !conexao->conectada()) throw std::logic_error("Nenhuma declaração aberta.");
  DefineTransacao(&m_transacao);
  AbrirBancoDeclaracao(NomeArquivoBanco(conexao->arquivo()), false);
}

TColecaoSecao::~TColecaoSecao() {
  // The statements go before their transaction, which is ended here as it goes with this object.
  m_procedimentos.clear();
  m_consultas.clear();
  DesfazPendente(false);
}

void TColecaoSecao::Confirma() { ConfirmaTransacao(); }

void TColecaoSecao::AbreConsulta(bd::Consulta& consulta) { Abre(consulta); }

bd::Procedimento& TColecaoSecao::Procedimento(const QString& nome) {
  auto& p = m_procedimentos[nome];
  if (!p) {
    p = std::make_unique<bd::Procedimento>(m_transacao, nome);
    p->prepara();
  }
  p->limpaParametros();
  return *p;
}

bd::Consulta& TColecaoSecao::Comando(const QString& sql) {
  auto& c = m_consultas[sql];
  if (!c) {
    c = std::make_unique<bd::Consulta>(m_transacao, sql, bd::Consulta::Modo::Sequencial);
    c->prepara();
  }
  c->fecha();
  return *c;
}

void TColecaoSecao::NaoGravado() const { throw EColecaoError(kTabelaNaoAtualizada, m_tabela); }

void TColecaoSecao::NaoLido() const { throw EColecaoError(kTabelaNaoAberta, m_tabela); }

void TColecaoSecao::Grava(bd::Procedimento& procedimento) {
  if (!PodeExecutar()) NaoGravado();
  ConfirmaTransacao();
  if (!ExecutaProcedure(procedimento)) NaoGravado();
  ConfirmaTransacao();
}

void TColecaoSecao::GravaExclusao(bd::Procedimento& procedimento) {
  if (!PodeExecutar()) NaoGravado();
  ConfirmaTransacao();
  procedimento.executa();
  ConfirmaTransacao();
}

void TColecaoSecao::Pergunta(bd::Procedimento& procedimento) {
  if (!PodeExecutar() || !ExecutaProcedure(procedimento)) NaoLido();
}

void TColecaoSecao::Abre(bd::Consulta& consulta) {
  if (!PodeExecutar() || !AbreDataSet(consulta)) NaoLido();
}

bd::Dado TColecaoSecao::TextoOuNulo(const QString& texto) { return texto.isEmpty() ? bd::Dado() : bd::Dado(texto); }
