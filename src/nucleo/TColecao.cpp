#include "nucleo/TColecao.h"

#include <QFile>

#include <algorithm>
#include <exception>
#include <new>
#include <vector>

#include "nucleo/EFalhaBanco.h"
#include "nucleo/Erros.h"
#include "plataforma/bd/Conexao.h"
#include "plataforma/bd/ErroBanco.h"
#include "plataforma/bd/Script.h"
#include "plataforma/bd/Transacao.h"
#include "plataforma/sistema/Pastas.h"

bool FalhaBancoIndice = false;
bool FalhaBanco = false;

namespace {

std::unique_ptr<bd::Conexao> g_indice;
std::unique_ptr<bd::Conexao> g_declaracao;
// Declaration connections replaced by ConectaBancoModelo: collections may still hold them.
std::vector<std::unique_ptr<bd::Conexao>> g_substituidas;

using Lado = EFalhaBanco::Lado;

const QString kVersaoIncompativel =
    QStringLiteral("A versão do banco de dados é incompatível com esta versão do programa.");

// The shared connections live to the end of the program: they close before the database layer's
// own state goes, whichever way the program ends.
void fechaNoFim() {
  static const bool registrado = [] {
    bd::Conexao::fechaAoEncerrar([] { TColecao::FechaConexoes(); });
    return true;
  }();
  (void)registrado;
}

QString mensagemConexao(const QString& arquivo, const QString& motivo) {
  return QStringLiteral("Não foi possível estabelecer a conexão com o banco de dados ") + arquivo +
         QStringLiteral(". Mensagem retornada: ") + motivo;
}

// Runs one upgrade statement; a failure leaves the version as it was, to be tried again at
// the next check.
bool rodaAtualizacao(bd::Transacao& transacao, const QString& sql) {
  try {
    bd::Script(transacao).executa(sql);
    return true;
  } catch (const bd::ErroBanco&) {
    return false;
  }
}

QString mensagemSalvar(const QString& motivo) {
  return QStringLiteral("Não foi possível salvar as alterações. Mensagem retornada: ") + motivo;
}

}  // namespace

TColecao::TColecao() { m_consultaAtual = &m_consultaLista; }

TColecao::~TColecao() { DesfazPendente(true); }

void TColecao::DesfazPendente(bool retendo) noexcept {
  if (m_desfeita) return;
  m_desfeita = true;
  // The transaction may belong to an object that is already gone.
  const auto viva = m_referenciaTransacao.lock();
  m_transacao = viva ? *viva : nullptr;
  // The declaration-side transaction may be shared: only what this collection left is undone.
  for (bd::Transacao* tr : {m_alterou ? m_transacao : nullptr, m_transacaoIndice.get()}) {
    if (!tr || !tr->pendente()) continue;
    try {
      retendo ? tr->rollbackRetendo() : tr->rollback();
    } catch (const bd::ErroBanco& e) {
      // Nothing can be raised from here: the program's handler takes it as it takes a raised one.
      // The index collection's own transactions never end the process.
      AvisaFalhaBanco(EFalhaBanco(TErro::FormataMensagem(304, e.mensagem()),
                                  tr == m_transacaoIndice.get() ? Lado::Indice : Lado::Declaracao, !EhColecaoIndice()));
    }
  }
}

void TColecao::Confirma() { ConfirmaTransacaoRetendo(); }

QString TColecao::ArquivoIndice() { return Pastas::dados() + QStringLiteral("/Tolv.FDB"); }

QString TColecao::ArquivoModelo() { return Pastas::dados() + QStringLiteral("/TOLV2014PD.FDB"); }

bd::Conexao* TColecao::GetBancoIndice() {
  if (!g_indice) {
    fechaNoFim();
    g_indice = std::make_unique<bd::Conexao>(ArquivoIndice());
    try {
      g_indice->conecta();
    } catch (const bd::ErroBanco& e) {
      throw EFalhaBanco(mensagemConexao(g_indice->arquivo(), e.mensagem()), Lado::Indice, true, !FalhaBancoIndice);
    }
  }
  return g_indice.get();
}

bd::Conexao* TColecao::GetBancoDeclaracao() { return g_declaracao.get(); }

void TColecao::ConectaBancoModelo() {
  if (g_declaracao) g_substituidas.push_back(std::move(g_declaracao));
  fechaNoFim();
  g_declaracao = std::make_unique<bd::Conexao>(ArquivoModelo());
  try {
    g_declaracao->conecta();
  } catch (const bd::ErroBanco& e) {
    throw EFalhaBanco(mensagemConexao(g_declaracao->arquivo(), e.mensagem()), Lado::Declaracao);
  }
}

std::unique_ptr<bd::Conexao> TColecao::CriaConexaoModelo() {
  auto conexao = std::make_unique<bd::Conexao>(ArquivoModelo());
  try {
    conexao->conecta();
  } catch (const bd::ErroBanco& e) {
    throw EFalhaBanco(mensagemConexao(conexao->arquivo(), e.mensagem()), Lado::Declaracao);
  }
  return conexao;
}

void TColecao::FechaConexoes() {
  g_declaracao.reset();
  g_substituidas.clear();
  g_indice.reset();
}

void TColecao::ConectarBancoIndice() {
  m_transacaoIndice = std::make_unique<bd::Transacao>();
  const QString arquivo = ArquivoIndice();
  try {
    if (!g_indice) {
      fechaNoFim();
      g_indice = std::make_unique<bd::Conexao>(arquivo);
      g_indice->conecta();
    } else if (!g_indice->conectada()) {
      g_indice->defineArquivo(arquivo);
      g_indice->conecta();
    }
  } catch (const bd::ErroBanco& e) {
    throw EFalhaBanco(mensagemConexao(arquivo, e.mensagem()), Lado::Indice, true, !FalhaBancoIndice);
  }
  m_bancoIndice = g_indice.get();
  m_transacaoIndice->defineConexao(m_bancoIndice);
  if (m_bancoIndice->conectada()) VerificaVersaoIndice();
}

namespace {

std::vector<bd::Conexao*>& conexoesProprias() {
  static std::vector<bd::Conexao*> conexoes;
  return conexoes;
}

}  // namespace

void TColecao::RegistraConexaoPropria(bd::Conexao* conexao) { conexoesProprias().push_back(conexao); }

void TColecao::RemoveConexaoPropria(bd::Conexao* conexao) {
  auto& c = conexoesProprias();
  c.erase(std::remove(c.begin(), c.end(), conexao), c.end());
}

void TColecao::AbrirBancoDeclaracao(const QString& arquivo, bool forcaCopia) {
  // A declaration on a connection of its own: its collections never move the shared one.
  if (m_transacao)
    for (bd::Conexao* propria : conexoesProprias())
      if (m_transacao->vinculadaA(*propria)) {
        m_bancoDeclaracao = propria;
        return;
      }
  const QString caminho = Pastas::dados() + u'/' + arquivo;
  bool existia = false;
  if (g_declaracao && g_declaracao->arquivo().toUpper() == caminho.toUpper()) {
    // The file already open: no copy, no new check; reconnected when someone disconnected it.
    if (!g_declaracao->conectada()) {
      try {
        g_declaracao->conecta();
      } catch (const bd::ErroBanco& e) {
        throw EFalhaBanco(mensagemConexao(caminho, e.mensagem()), Lado::Declaracao);
      }
    }
  } else {
    const bool repontando = g_declaracao != nullptr;
    try {
      if (g_declaracao) {
        g_declaracao->desconecta();
      } else {
        fechaNoFim();
        g_declaracao = std::make_unique<bd::Conexao>();
      }
      if (forcaCopia || !QFile::exists(caminho))
        bd::Conexao::copiaArquivo(ArquivoModelo(), caminho);  // a failed copy fails as the connection
      else
        existia = true;
      g_declaracao->defineArquivo(caminho);
      g_declaracao->conecta();
    } catch (const bd::ErroBanco& e) {
      throw EFalhaBanco(mensagemConexao(caminho, e.mensagem()), repontando ? Lado::Declaracao : Lado::Nenhum);
    }
  }
  m_bancoDeclaracao = g_declaracao.get();
  if (m_transacao) m_transacao->defineConexao(m_bancoDeclaracao);
  if (existia && m_bancoDeclaracao->conectada()) VerificaVersaoDeclaracao();
}

void TColecao::DefineTransacao(bd::Transacao* transacao) {
  m_transacao = transacao;
  m_referenciaTransacao = transacao ? transacao->referencia() : std::weak_ptr<bd::Transacao* const>();
  if (m_transacao && m_bancoDeclaracao) m_transacao->defineConexao(m_bancoDeclaracao);
}

bool TColecao::LeVersao(bd::Transacao& transacao, bool declaracao) {
  const Lado lado = declaracao ? Lado::Declaracao : Lado::Indice;
  auto marcado = [declaracao] { return declaracao ? FalhaBanco : FalhaBancoIndice; };
  auto avisa = [&] { AvisaFalhaBanco(EFalhaBanco(kVersaoIncompativel, lado, false, !marcado())); };
  try {
    bd::Consulta versao(transacao, QStringLiteral("SELECT * FROM VERSAO"));
    versao.abre();
    if (versao.campo(QStringLiteral("ANO")).inteiro() != 2014) avisa();
    m_versao = -1;
    const int lida = versao.campo(QStringLiteral("VERSAO")).inteiro();
    const QString geracao = declaracao ? versao.campo(QStringLiteral("GERACAO")).texto() : QString();
    versao.fecha();
    if (lida < 100) {
      avisa();
      return false;
    }
    m_versao = lida;
    if (declaracao) m_geracao = geracao;
    return true;  // also after a wrong year: the row is still upgraded
  } catch (const bd::ErroBanco&) {
    throw EFalhaBanco(kVersaoIncompativel, lado, true, !marcado());
  }
}

void TColecao::VerificaVersaoIndice() {
  if (LeVersao(*m_transacaoIndice, false)) AtualizaVersaoIndice();
}

void TColecao::VerificaVersaoDeclaracao() {
  std::unique_ptr<bd::Transacao> propria;
  bd::Transacao* transacao = m_transacao;
  if (!transacao) {
    propria = std::make_unique<bd::Transacao>(*m_bancoDeclaracao);
    transacao = propria.get();
  }
  if (!LeVersao(*transacao, true)) return;
  AtualizaVersaoDeclaracaoEm(*transacao);
  // Without a transaction of the collection the upgrade ran in one of its own: keep it.
  if (propria) ConfirmaAtualizacao(*propria);
}

void TColecao::ConfirmaAtualizacao(bd::Transacao& tr) {
  if (!tr.ativa()) return;
  try {
    tr.commitRetendo();
  } catch (const bd::ErroBanco& e) {
    // Told, and the work goes on: an upgrade not kept runs again at the next check.
    AvisaFalhaBanco(EFalhaBanco(mensagemSalvar(e.mensagem()), Lado::Nenhum, false));
  }
}

bool TColecao::AtualizaCodigosRetencao(bd::Transacao& transacao) {
  return rodaAtualizacao(transacao, QStringLiteral("UPDATE CODRET c\n"
                                                   " SET c.deducao = '1;2;3;4',\n"
                                                   " c.rendimentos_isentos = '1;5;6'\n"
                                                   " WHERE (c.anexo = '0')\n"
                                                   " AND ((c.cod_retencao = '3540')\n"
                                                   " OR (c.cod_retencao = '3556'))"));
}

void TColecao::AtualizaVersaoIndice() {
  if (m_versao == 140) return;
  bd::Transacao& tr = *m_transacaoIndice;
  if (m_versao < 120 && AtualizaCodigosRetencao(tr)) {
    if (rodaAtualizacao(tr, QStringLiteral("UPDATE VERSAO\nSET VERSAO = 120,\nANO = 2014;"))) ConfirmaAtualizacao(tr);
  }
}

void TColecao::AtualizaVersaoDeclaracao() {
  if (m_transacao) AtualizaVersaoDeclaracaoEm(*m_transacao);
}

void TColecao::AtualizaVersaoDeclaracaoEm(bd::Transacao& tr) {
  if (m_geracao.isEmpty() && rodaAtualizacao(tr, QStringLiteral("UPDATE VERSAO \nSET GERACAO = 'Versão 1.5';")))
    ConfirmaAtualizacao(tr);
  if (m_versao != 140 && m_versao < 120 && AtualizaCodigosRetencao(tr) &&
      rodaAtualizacao(tr, QStringLiteral("UPDATE VERSAO\nSET VERSAO = 140")))
    ConfirmaAtualizacao(tr);
}

bool TColecao::ExecutaProcedure(bd::Procedimento& procedimento) {
  if (FalhaBancoIndice) return false;
  try {
    procedimento.executa();
  } catch (const bd::ErroBanco& e) {
    throw EFalhaBanco(QStringLiteral("Não foi possível executar a procedure ") + procedimento.nome() +
                          QStringLiteral(". Mensagem retornada: ") + e.mensagem(),
                      Lado::Nenhum);
  }
  return true;
}

bool TColecao::ExecutaConsulta(bd::Consulta& consulta) {
  if (FalhaBancoIndice) return false;
  try {
    consulta.executa();
  } catch (const bd::ErroBanco& e) {
    throw EFalhaBanco(QStringLiteral("Não foi possível executar a consulta. Mensagem retornada: ") + e.mensagem(),
                      EhColecaoIndice() ? Lado::Indice : Lado::Declaracao);
  }
  m_alterou = true;
  return true;
}

bool TColecao::AbreDataSet(bd::Consulta& consulta) {
  if (FalhaBancoIndice) return false;
  QString mensagem;
  try {
    consulta.abre();
    return true;
  } catch (const std::bad_alloc& e) {
    mensagem = QStringLiteral("Recurso de Memória insuficiente para esta operação. Esta execução do sistema está "
                              "instável.\rO programa será fechado automaticamente. Mensagem retornada: ") +
               QString::fromUtf8(e.what());
  } catch (const bd::ErroBanco& e) {
    if (e.faltaMemoria())
      mensagem = QStringLiteral("Recurso de Memória insuficiente para esta operação. Esta execução do sistema está "
                                "instável.\rO programa será fechado automaticamente. Mensagem retornada: ") +
                 e.mensagem();
    else
      mensagem = QStringLiteral("Não foi possível abrir a consulta. Mensagem retornada: ") + e.mensagem() +
                 QStringLiteral(".\rO programa será fechado automaticamente. Por favor entrar em contato com o "
                                "suporte Tolv.");
  }
  throw EFalhaBanco(mensagem, EhColecaoIndice() ? Lado::Indice : Lado::Declaracao);
}

bool TColecao::TentaAbrirDataSet(bd::Consulta& consulta) {
  if (FalhaBancoIndice) return false;
  const QString memoria = QStringLiteral(
      "Recurso de Memória insuficiente para esta operação. Esta execução do sistema está instável. Deve-se "
      "obrigatóriamente reiniciar o programa. Mensagem retornada: ");
  QString mensagem;
  try {
    consulta.abre();
    return true;
  } catch (const std::bad_alloc& e) {
    mensagem = memoria + QString::fromUtf8(e.what());
  } catch (const bd::ErroBanco& e) {
    mensagem = e.faltaMemoria() ? memoria + e.mensagem()
                                : QStringLiteral("Não foi possível abrir a consulta. Mensagem retornada: ") + e.mensagem();
  }
  AvisaFalhaBanco(EFalhaBanco(mensagem, Lado::Declaracao, false));
  return false;
}

void TColecao::ConfirmaTransacao() { EncerraDaColecao(&bd::Transacao::commit, true); }

void TColecao::ConfirmaTransacaoRetendo() { EncerraDaColecao(&bd::Transacao::commitRetendo, true); }

void TColecao::DesfazTransacao() { EncerraDaColecao(&bd::Transacao::rollback, false); }

void TColecao::DesfazTransacaoRetendo() { EncerraDaColecao(&bd::Transacao::rollbackRetendo, false); }

void TColecao::EncerraDaColecao(void (bd::Transacao::*operacao)(), bool confirma) {
  EncerraTransacao(m_transacao, operacao, confirma);
  m_alterou = false;
}

void TColecao::EncerraTransacao(bd::Transacao* transacao, void (bd::Transacao::*operacao)(), bool confirma) {
  if (!transacao || !transacao->ativa()) return;
  try {
    (transacao->*operacao)();
  } catch (const bd::ErroBanco& e) {
    throw EFalhaBanco(confirma ? mensagemSalvar(e.mensagem()) : TErro::FormataMensagem(304, e.mensagem()),
                      Lado::Declaracao);
  }
}

void TColecao::IniciaTransacao() {
  if (!m_transacao) return;
  // What follows is a write of this collection.
  if (m_transacao->ativa()) {
    ConfirmaTransacaoRetendo();
    m_alterou = true;
    return;
  }
  try {
    m_transacao->inicia();
  } catch (const bd::ErroBanco& e) {
    throw EFalhaBanco(TErro::FormataMensagem(305, e.mensagem()), Lado::Declaracao);
  }
  m_alterou = true;
}

int TColecao::GetTotal() {
  if (m_total == -1) {
    m_consultaTotal.fecha();
    if (AbreDataSet(m_consultaTotal)) {
      m_total = m_consultaTotal.campo(QStringLiteral("Total")).inteiro();
      m_consultaTotal.fecha();
    }
  }
  return m_total;
}

int TColecao::Reconta() {
  m_total = -1;
  return GetTotal();
}

bool TColecao::Vazia() { return GetTotal() < 1; }

bool TColecao::NoInicio() { return m_noInicio || Vazia(); }

bool TColecao::NoFim() { return m_noFim || Vazia(); }

bd::Transacao* TColecao::TransacaoDaConsulta(const bd::Consulta& consulta) const {
  if (m_transacao && consulta.usaTransacao(*m_transacao)) return m_transacao;
  if (m_transacaoIndice && consulta.usaTransacao(*m_transacaoIndice)) return m_transacaoIndice.get();
  return nullptr;
}

void TColecao::Atualiza() {
  if (!m_consultaAtual) return;
  m_total = -1;
  ConfirmaTransacaoRetendo();
  m_consultaAtual->fecha();
  if (bd::Transacao* tr = TransacaoDaConsulta(*m_consultaAtual)) {
    EncerraTransacao(tr, &bd::Transacao::rollback, false);
    if (tr == m_transacao) m_alterou = false;
    try {
      tr->inicia();
    } catch (const bd::ErroBanco& e) {
      throw EFalhaBanco(TErro::FormataMensagem(305, e.mensagem()), Lado::Declaracao);
    }
  }
  AbreDataSet(*m_consultaAtual);
}

void TColecao::Primeiro() {
  if (m_consultaAtual) AbreConsulta(*m_consultaAtual);
}

void TColecao::Anterior() {
  if (m_consultaAtual) m_consultaAtual->anterior();
}

void TColecao::Proximo() {
  if (m_consultaAtual) m_consultaAtual->proximo();
}

void TColecao::Ultimo() {
  if (m_consultaAtual) m_consultaAtual->ultimo();
}

bool TColecao::AtualTemLinhas() const { return m_consultaAtual && m_consultaAtual->aberta() && !m_consultaAtual->vazia(); }

bool TColecao::CarregaVoltando(const std::function<void(bd::Consulta&)>& carrega) {
  if (!AtualTemLinhas()) {
    m_noInicio = true;
  } else {
    carrega(*m_consultaAtual);
    m_noInicio = m_consultaAtual->bof();
  }
  m_noFim = Vazia();
  return Vazia();
}

bool TColecao::CarregaAvancando(const std::function<void(bd::Consulta&)>& carrega) {
  if (!AtualTemLinhas()) {
    m_noFim = true;
  } else {
    carrega(*m_consultaAtual);
    m_noFim = m_consultaAtual->eof();
  }
  m_noInicio = Vazia();
  return Vazia();
}

bool TColecao::PosicionaParaCarga(Movimento movimento) {
  switch (movimento) {
    case Movimento::Primeiro:
      Primeiro();
      break;
    case Movimento::Anterior:
      Anterior();
      break;
    case Movimento::Proximo:
      Proximo();
      break;
    case Movimento::Ultimo:
      Ultimo();
      break;
    case Movimento::Atual:
      break;
  }
  if (!m_consultaAtual || (m_consultaAtual->bof() && m_consultaAtual->eof())) {
    m_noInicio = m_noFim = true;
    return false;
  }
  return true;
}

void TColecao::AjustaFlagsCarga(Movimento movimento) {
  const bool bof = m_consultaAtual->bof();
  const bool eof = m_consultaAtual->eof();
  const bool vazia = Vazia();
  switch (movimento) {
    case Movimento::Primeiro:
      m_noInicio = true;
      m_noFim = vazia;
      break;
    case Movimento::Anterior:
      m_noInicio = bof;
      m_noFim = vazia;
      break;
    case Movimento::Proximo:
      m_noFim = eof;
      m_noInicio = vazia;
      break;
    case Movimento::Ultimo:
      m_noFim = true;
      m_noInicio = vazia;
      break;
    case Movimento::Atual:
      m_noInicio = m_noFim = vazia;
      break;
  }
}
