#include "plataforma/bd/Procedimento.h"

#include "plataforma/bd/Interno.h"
#include "plataforma/bd/Transacao.h"

namespace bd {

namespace {

QStringList leEntradas(const std::shared_ptr<interno::NucleoTransacao>& transacao, const QString& nome) {
  Consulta c;
  c.defineTransacao(transacao);
  c.defineSql(QStringLiteral("SELECT TRIM(RDB$PARAMETER_NAME) FROM RDB$PROCEDURE_PARAMETERS "
                            "WHERE RDB$PROCEDURE_NAME = :NOME AND RDB$PARAMETER_TYPE = 0 "
                            "AND RDB$PACKAGE_NAME IS NULL ORDER BY RDB$PARAMETER_NUMBER"));
  c.param(QStringLiteral("NOME"), nome);
  c.abre();
  QStringList nomes;
  for (; !c.eof(); c.proximo()) nomes.append(c.campo(1).texto());
  return nomes;
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

void Procedimento::defineTransacao(Transacao* transacao) {
  m_consulta.defineTransacao(transacao);
  m_lidas = false;
}

void Procedimento::defineNome(const QString& nome) {
  m_nome = nome.trimmed();
  m_lidas = false;
  m_entradas.clear();
  m_consulta.defineSql(QString());
}

void Procedimento::prepara() {
  const auto transacao = m_consulta.nucleoTransacao();
  if (!transacao) throw ErroBanco(QStringLiteral("O procedimento %1 não tem transação.").arg(m_nome));
  auto conexao = transacao->conexao;
  if (!conexao) throw ErroBanco(QStringLiteral("A transação do procedimento %1 não tem banco de dados.").arg(m_nome));
  conexao->exigeConectada();
  const QString chave = m_nome.toUpper();
  auto it = conexao->entradasProcedimentos.find(chave);
  if (it == conexao->entradasProcedimentos.end())
    it = conexao->entradasProcedimentos.insert(chave, leEntradas(transacao, chave));
  const QStringList nomes = it.value();
  if (!m_lidas || nomes != m_entradas) {
    // Values given before the names were known are lost only when the text changes.
    m_entradas = nomes;
    QStringList marcas;
    for (qsizetype i = 0; i < nomes.size(); ++i) marcas.append(QStringLiteral("?"));
    const QString sql = QStringLiteral("EXECUTE PROCEDURE %1").arg(chave) +
                        (marcas.isEmpty() ? QString() : u'(' + marcas.join(u',') + u')');
    if (m_consulta.sql() != sql) m_consulta.defineSql(sql);
    m_lidas = true;
  }
  m_consulta.prepara();
}

bool Procedimento::preparada() const { return m_lidas && m_consulta.preparada(); }

QStringList Procedimento::entradas() {
  prepara();
  return m_entradas;
}

int Procedimento::posicaoEntrada(const QString& nome) {
  if (!m_lidas) prepara();
  for (qsizetype i = 0; i < m_entradas.size(); ++i)
    if (m_entradas[i].compare(nome.trimmed(), Qt::CaseInsensitive) == 0) return int(i) + 1;
  throw ErroBanco(QStringLiteral("O procedimento %1 não tem o parâmetro %2.").arg(m_nome, nome));
}

void Procedimento::param(const QString& nome, const Valor& valor) { m_consulta.param(posicaoEntrada(nome), valor); }

void Procedimento::param(int posicao, const Valor& valor) {
  if (!m_lidas) prepara();
  m_consulta.param(posicao, valor);
}

Valor Procedimento::valorParametro(const QString& nome) { return m_consulta.valorParametro(posicaoEntrada(nome)); }

void Procedimento::limpaParametros() { m_consulta.limpaParametros(); }

void Procedimento::executa() {
  prepara();
  m_consulta.executa();
}

int Procedimento::quantidadeSaidas() const { return m_consulta.quantidadeCampos(); }

Campo Procedimento::saida(const QString& nome) const {
  if (!m_consulta.temCampo(nome))
    throw ErroBanco(QStringLiteral("O procedimento %1 não tem a saída %2.").arg(m_nome, nome));
  return m_consulta.campo(nome);
}

Campo Procedimento::saida(int posicao) const { return m_consulta.campo(posicao); }

}  // namespace bd
