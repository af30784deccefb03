#include "validador/TPrimitivo.h"

#include <stdexcept>

#include "validador/TArquivoDados.h"

namespace {

QString TextoErro(const char* inicio, const QString& nome) {
  return QString::fromUtf8(inicio) + nome;
}

}  // namespace

void TPrimitivo::RegistraRegra(const QString& nome) {
  RegraResolvida regra = Resolve(nome);
  if (regra.validador < 0 || TListaValidadores::MensagemOriginal(regra.validador).isEmpty())
    throw std::logic_error(TextoErro("Validador ", nome + QStringLiteral(" sem descrição")).toStdString());
  m_regras.push_back(std::move(regra));
}

void TPrimitivo::SetCategoria(uint8_t categoria) {
  if (m_categoriaDefinida) throw std::logic_error("Já setada a categoria para o validador");
  m_categoria = categoria;
  m_categoriaDefinida = true;
}

void TPrimitivo::FixaValorLog() {
  if (!m_valorLogDoValor) return;
  m_valorLog = m_valor.left(kLarguraValor);
  m_valorLogDoValor = false;
}

void TPrimitivo::ContaAchado(int validador) {
  auto& contagem = m_dados->Contagem;
  if (m_categoria == kCategoriaAviso || m_dados->Catalogo().Validador(validador).severidade == TRegraNegocio::kAviso)
    ++contagem.Avisos;
  else
    ++contagem.Erros;
}

void TPrimitivo::ExecutaRegras(size_t inicio) {
  if (m_regras.empty() || m_regras.back().nome.isEmpty())
    throw std::logic_error(m_regras.empty() ? "Falta Registrar Validador: nenhum"
                                            : "Problema no tamanho de lista validadores");
  bool valido = true;
  for (size_t i = inicio; i < m_regras.size(); ++i) {
    const RegraResolvida& regra = m_regras[i];
    if (regra.sempreVale) continue;
    m_regraAtual = &regra;
    if ((regra.funcao ? regra.funcao(*this) : Executa(regra)) || !m_regrasDisponiveis) continue;
    RegistraAchado(regra.validador);
    if (m_categoria == kCategoriaAviso) {
      ++m_dados->Contagem.Avisos;
      valido = false;
      break;
    }
    if (m_dados->Catalogo().Validador(regra.validador).severidade == TRegraNegocio::kAviso) {
      ++m_dados->Contagem.Avisos;
      continue;
    }
    ++m_dados->Contagem.Erros;
    valido = false;
    break;
  }
  m_regraAtual = nullptr;
  m_valido = valido;
}

bool TPrimitivo::ExecutaRegra(const RegraResolvida& regra) {
  const bool resultado = Executa(regra);
  m_regraAtual = nullptr;
  if (resultado) return true;
  m_valido = false;
  if (regra.validador < 0) return false;
  RegistraAchado(regra.validador);
  ContaAchado(regra.validador);
  return false;
}

bool TPrimitivo::ExecutaRegra(const QString& nome) { return ExecutaRegra(Resolve(nome)); }

QString TPrimitivo::LinhaAchado(int validador) {
  TListaValidadores& catalogo = m_dados->Catalogo();
  const TRegraNegocio& entrada = catalogo.Validador(validador);
  const QString mensagem = TListaValidadores::FormataMensagem(entrada.mensagem, m_argumentos);
  const int64_t numero = m_dados->LinhaAtual();
  const QString linha = numero <= 9 ? u'0' + QString::number(numero) : QString::number(numero);
  if (m_textoRegistro.size() < kLarguraRegistro) m_textoRegistro = m_textoRegistro.leftJustified(kLarguraRegistro);
  const bool aviso = m_categoria == kCategoriaAviso || entrada.severidade == TRegraNegocio::kAviso;
  QString valor = GetValorLog();
  if (valor.isEmpty()) valor = QStringLiteral("XXXXX");
  return QStringLiteral("Linha: ") + linha + u' ' + m_textoRegistro + u' ' + m_textoCampo + u' ' +
         QStringLiteral("Valor: ") + valor + QStringLiteral("     ") +
         (aviso ? QStringLiteral("Aviso: ") : QStringLiteral(" Erro: ")) + mensagem;
}

void TPrimitivo::RegistraAchado(int validador) {
  const QString linha = LinhaAchado(validador);
  m_valorLog.clear();
  m_valorLogDoValor = false;
  m_dados->GravaAchado(linha);
}
