#include "plataforma/bd/Procedimento.h"

#include <QRegularExpression>

#include "plataforma/bd/Interno.h"
#include "plataforma/bd/Transacao.h"

namespace bd {

QStringList interno::entradasProcedimento(const std::shared_ptr<NucleoTransacao>& transacao,
                                                 const QString& nome) {
  const auto& conexao = transacao->conexao;
  auto it = conexao->entradasProcedimentos.find(nome);
  if (it == conexao->entradasProcedimentos.end()) {
    Consulta c;
    c.defineTransacao(transacao);
    c.defineSql(QStringLiteral("SELECT TRIM(RDB$PARAMETER_NAME) FROM RDB$PROCEDURE_PARAMETERS "
                               "WHERE RDB$PROCEDURE_NAME = :NOME AND RDB$PARAMETER_TYPE = 0 "
                               "AND RDB$PACKAGE_NAME IS NULL ORDER BY RDB$PARAMETER_NUMBER"));
    c.param(QStringLiteral("NOME"), nome);
    c.abre();
    QStringList nomes;
    for (; !c.eof(); c.proximo()) nomes.append(c.campo(1).texto());
    it = conexao->entradasProcedimentos.insert(nome, nomes);
  }
  return it.value();
}

namespace {

// The statement names each input, so that the inputs are set and reported by name.
QString comando(const QString& procedimento, const QStringList& entradas) {
  static const QRegularExpression simples(QStringLiteral("^[A-Z][A-Z0-9_$]*$"));
  QStringList marcas;
  for (const QString& e : entradas) marcas.append(simples.match(e).hasMatch() ? u':' + e : QStringLiteral("?"));
  return QStringLiteral("EXECUTE PROCEDURE ") + procedimento +
         (marcas.isEmpty() ? QString() : u'(' + marcas.join(QStringLiteral(", ")) + u')');
}

}  // namespace

Procedimento::Procedimento() = default;

Procedimento::Procedimento(Transacao& transacao, const QString& nome) {
  defineTransacao(&transacao);
  defineNome(nome);
}

Procedimento::~Procedimento() = default;
Procedimento::Procedimento(Procedimento&&) noexcept = default;
Procedimento& Procedimento::operator=(Procedimento&&) noexcept = default;

void Procedimento::defineTransacao(Transacao* transacao) { m_consulta.defineTransacao(transacao); }

void Procedimento::defineNome(const QString& nome) {
  m_nome = nome.trimmed();
  m_entradas.clear();
  m_conexaoNomes.reset();
  m_consulta.defineSql(QString());
}

void Procedimento::prepara() {
  const auto transacao = m_consulta.nucleoTransacao();
  if (!transacao) throw ErroBanco(QStringLiteral("O procedimento %1 não tem transação.").arg(m_nome));
  const auto& conexao = transacao->conexao;
  if (!conexao) throw ErroBanco(QStringLiteral("A transação do procedimento %1 não tem banco de dados.").arg(m_nome));
  conexao->exigeConectada();
  if (m_conexaoNomes != conexao || m_geracaoNomes != conexao->geracao) {
    const QString chave = m_nome.toUpper();
    const QStringList nomes = interno::entradasProcedimento(transacao, chave);
    if (nomes != m_entradas || m_consulta.sql().isEmpty()) {
      m_entradas = nomes;
      m_consulta.defineSql(comando(chave, m_entradas));  // values given before are lost only here
    }
    m_conexaoNomes = conexao;
    m_geracaoNomes = conexao->geracao;
  }
  m_consulta.prepara();
}

bool Procedimento::preparada() const { return m_conexaoNomes && m_consulta.preparada(); }

QStringList Procedimento::entradas() {
  prepara();
  return m_entradas;
}

void Procedimento::param(const QString& nome, const Dado& valor) {
  if (!m_conexaoNomes) prepara();
  try {
    m_consulta.param(nome, valor);
  } catch (const ErroBanco&) {
    throw ErroBanco(QStringLiteral("O procedimento %1 não tem o parâmetro %2.").arg(m_nome, nome));
  }
}

void Procedimento::param(int posicao, const Dado& valor) {
  if (!m_conexaoNomes) prepara();
  m_consulta.param(posicao, valor);
}

Dado Procedimento::valorParametro(const QString& nome) {
  if (!m_conexaoNomes) prepara();
  if (!m_consulta.temParametro(nome))
    throw ErroBanco(QStringLiteral("O procedimento %1 não tem o parâmetro %2.").arg(m_nome, nome));
  return m_consulta.valorParametro(nome);
}

void Procedimento::limpaParametros() { m_consulta.limpaParametros(); }

void Procedimento::executa() {
  prepara();
  m_consulta.executa();
}

int Procedimento::quantidadeSaidas() const { return m_consulta.quantidadeCampos(); }

Campo Procedimento::saida(const QString& nome) const {
  const int i = m_consulta.indiceCampo(nome);
  if (i == 0) throw ErroBanco(QStringLiteral("O procedimento %1 não tem a saída %2.").arg(m_nome, nome));
  return m_consulta.campo(i);
}

Campo Procedimento::saida(int posicao) const { return m_consulta.campo(posicao); }

}  // namespace bd
