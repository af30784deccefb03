#include "nucleo/Erros.h"

#include "nucleo/CaixaMensagem.h"
#include "nucleo/Mensagens.h"

namespace {

struct EstadoAvisos {
  int limiteErros = 5000;
  int limiteAvisos = 5000;
  int contados = 0;
  bool atingido = false;
};
EstadoAvisos g_avisos;

std::function<void()> g_ganchoErro;
bool g_verificacaoAberta = false;
std::function<void()> g_minimizaPesquisa;

uint16_t comAjuda(uint16_t botoes, int contextoAjuda) {
  return contextoAjuda > 0 ? uint16_t(botoes | TErro::kBotaoAjuda) : botoes;
}

}  // namespace

TErro::TErro(uint16_t codigo, const QString& argumentos, int contextoAjuda)
    : m_codigo(codigo),
      m_argumentos(argumentos),
      m_tipo(1),
      m_botoes(comAjuda(kBotaoOk, contextoAjuda)),
      m_contextoAjuda(contextoAjuda) {
  defineMensagem(FormataMensagem(codigo, argumentos));
}

TErro TErro::CreateCompleto(uint16_t codigo, const QString& argumentos, uint8_t tipo,
                            uint16_t botoes, int contextoAjuda) {
  TErro e(codigo, argumentos, contextoAjuda);
  e.m_tipo = tipo;
  e.m_botoes = comAjuda(botoes, contextoAjuda);
  return e;
}

std::unique_ptr<TErro> TErro::CreatePendencia(uint16_t codigo, const QString& argumentos,
                                              uint8_t tipo, uint16_t botoes, int contextoAjuda,
                                              const QString& aQuemPertence, const QString& quemEh,
                                              uint8_t objeto) {
  if (g_avisos.atingido && tipo != 1) {
    auto vazio = std::unique_ptr<TErro>(new TErro());
    vazio->m_tipo = 0;
    vazio->m_botoes = 0;
    return vazio;
  }
  auto e = std::make_unique<TErro>(CreateCompleto(codigo, argumentos, tipo, botoes, contextoAjuda));
  e->m_aQuemPertence = aQuemPertence;
  e->m_quemEh = quemEh;
  e->m_objeto = objeto;
  return e;
}

void TErro::defineMensagem(const QString& texto) {
  m_mensagem = texto;
  m_utf8 = texto.toUtf8();
}

QString TErro::TextoMensagem(int codigo) { return Mensagens::texto(codigo); }

QString TErro::FormataMensagem(int codigo, const QString& argumentos) {
  QString texto = Mensagens::texto(codigo);
  qsizetype proximo = 0;  // next unread character of the arguments
  bool achou = false;
  // The length is taken anew at every step: inserted arguments lengthen the text.
  for (qsizetype i = 0; i + 1 < texto.size(); ++i) {
    if (texto[i] != '%' || texto[i + 1] != 's') continue;
    achou = true;
    QString argumento;
    if (proximo < argumentos.size()) {
      const qsizetype ponto = argumentos.indexOf(';', proximo);
      if (ponto >= 0) {
        argumento = argumentos.mid(proximo, ponto - proximo);
        proximo = ponto + 1;
      } else {
        argumento = argumentos.mid(proximo);
        proximo = argumentos.size();
      }
    }
    // An empty argument takes the blank after its placeholder with it.
    texto.remove(i, argumento.isEmpty() ? 3 : 2);
    texto.insert(i, argumento);
  }
  if (!argumentos.isEmpty() && (!achou || proximo < argumentos.size()))
    texto += QStringLiteral(": ") + argumentos.mid(proximo);
  if (!texto.contains('?')) texto += '.';
  return texto;
}

int TErro::Mostra() const { return MostraTexto(GetMensagem(), m_tipo, m_contextoAjuda, m_botoes); }

int TErro::MostraTexto(const QString& texto, int tipo, int contextoAjuda, int botoes) {
  if (g_minimizaPesquisa) g_minimizaPesquisa();
  if (g_verificacaoAberta) return ResultadoMensagem::Nenhum;
  const int botao = ExibeMensagem(texto, tipo, contextoAjuda, botoes);
  if (tipo == TipoMensagem::Erro && g_ganchoErro) g_ganchoErro();
  return botao;
}

void DefineCallbackErro(std::function<void()> gancho) { g_ganchoErro = std::move(gancho); }

namespace JanelasMensagem {
void DefineVerificacaoAberta(bool aberta) { g_verificacaoAberta = aberta; }
bool VerificacaoAberta() { return g_verificacaoAberta; }
void DefineMinimizaPesquisa(std::function<void()> minimiza) { g_minimizaPesquisa = std::move(minimiza); }
}  // namespace JanelasMensagem

TErros::TErros(bool limitaAvisos) : m_limitaAvisos(limitaAvisos) { g_avisos = EstadoAvisos{}; }

void TErros::Adiciona(std::unique_ptr<TErro> erro) {
  if (!erro) return;
  if (erro->Tipo() == 1) {
    m_semErros = false;
  } else if (!g_avisos.atingido) {
    if (++g_avisos.contados > g_avisos.limiteAvisos) g_avisos.atingido = true;
  }
  if (erro->Tipo() == 1 || !m_limitaAvisos || !g_avisos.atingido) m_itens.push_back(std::move(erro));
}

void TErros::Limpa() {
  m_itens.clear();
  m_semErros = true;
}

bool TErros::ContemCodigo(uint16_t codigo) const {
  for (const auto& e : m_itens)
    if (e->Codigo() == codigo) return true;
  return false;
}

std::vector<std::unique_ptr<TErro>> TErros::RemoveCodigo(uint16_t codigo) {
  std::vector<std::unique_ptr<TErro>> removidos;
  for (auto it = m_itens.begin(); it != m_itens.end();) {
    if ((*it)->Codigo() == codigo) {
      removidos.push_back(std::move(*it));
      it = m_itens.erase(it);
    } else {
      ++it;
    }
  }
  return removidos;
}

int TErros::GetLimiteErros() { return g_avisos.limiteErros; }
int TErros::GetLimiteAvisos() { return g_avisos.limiteAvisos; }
bool TErros::LimiteAvisosAtingido() { return g_avisos.atingido; }
