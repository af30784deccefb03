#include "plataforma/bd/ConjuntoMemoria.h"

#include <QFile>
#include <QSaveFile>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <algorithm>

#include "plataforma/bd/ErroBanco.h"

namespace bd {

namespace {

struct NomeTipo {
  ConjuntoMemoria::Tipo tipo;
  const char* nome;
};

constexpr NomeTipo kTipos[] = {
    {ConjuntoMemoria::Tipo::Inteiro, "i8"},        {ConjuntoMemoria::Tipo::Texto, "string"},
    {ConjuntoMemoria::Tipo::Data, "date"},         {ConjuntoMemoria::Tipo::DataHora, "dateTime"},
    {ConjuntoMemoria::Tipo::DezMilesimos, "fixedFMT"}, {ConjuntoMemoria::Tipo::Booleano, "boolean"},
    {ConjuntoMemoria::Tipo::Real, "r8"},
};

QString textoXml(ConjuntoMemoria::Tipo tipo, const Dado& v) {
  switch (tipo) {
    case ConjuntoMemoria::Tipo::Inteiro:
      return QString::number(v.comoInteiro());
    case ConjuntoMemoria::Tipo::Texto:
      return v.comoTexto();
    case ConjuntoMemoria::Tipo::Data:
      return v.comoData().toString(QStringLiteral("yyyyMMdd"));
    case ConjuntoMemoria::Tipo::DataHora:
      return v.comoDataHora().toString(QStringLiteral("yyyyMMdd'T'hh:mm:sszzz"));
    case ConjuntoMemoria::Tipo::DezMilesimos:
      return Decimal::texto(v.comoDezMilesimos(), -4);
    case ConjuntoMemoria::Tipo::Booleano:
      return v.comoBooleano() ? QStringLiteral("TRUE") : QStringLiteral("FALSE");
    case ConjuntoMemoria::Tipo::Real:
      return QString::number(v.comoReal(), 'g', 17);
  }
  return QString();
}

std::optional<Dado> valorXml(ConjuntoMemoria::Tipo tipo, const QString& t) {
  switch (tipo) {
    case ConjuntoMemoria::Tipo::Inteiro: {
      bool ok = false;
      const qlonglong n = t.toLongLong(&ok);
      if (ok) return Dado(n);
      break;
    }
    case ConjuntoMemoria::Tipo::Texto:
      return Dado(t);
    case ConjuntoMemoria::Tipo::Data: {
      const QDate d = QDate::fromString(t, QStringLiteral("yyyyMMdd"));
      if (d.isValid()) return Dado(d);
      break;
    }
    case ConjuntoMemoria::Tipo::DataHora: {
      const QDateTime d = QDateTime::fromString(t, QStringLiteral("yyyyMMdd'T'hh:mm:sszzz"));
      if (d.isValid()) return Dado(d);
      break;
    }
    case ConjuntoMemoria::Tipo::DezMilesimos:
      if (const auto n = Decimal::deTexto(t, -4)) return Dado(DezMilesimos{*n});
      break;
    case ConjuntoMemoria::Tipo::Booleano:
      if (t == u"TRUE") return Dado(true);
      if (t == u"FALSE") return Dado(false);
      break;
    case ConjuntoMemoria::Tipo::Real: {
      bool ok = false;
      const double d = t.toDouble(&ok);
      if (ok) return Dado(d);
      break;
    }
  }
  return std::nullopt;
}

// Ordering of two values of one column; nulls first.
int compara(ConjuntoMemoria::Tipo tipo, const Dado& a, const Dado& b) {
  if (a.nulo() || b.nulo()) return int(!a.nulo()) - int(!b.nulo());
  auto sinal = [](auto x, auto y) { return x < y ? -1 : (y < x ? 1 : 0); };
  switch (tipo) {
    case ConjuntoMemoria::Tipo::Inteiro:
      return sinal(a.comoInteiro(), b.comoInteiro());
    case ConjuntoMemoria::Tipo::Texto:
      return a.comoTexto().compare(b.comoTexto());
    case ConjuntoMemoria::Tipo::Data:
      return sinal(a.comoData(), b.comoData());
    case ConjuntoMemoria::Tipo::DataHora:
      return sinal(a.comoDataHora(), b.comoDataHora());
    case ConjuntoMemoria::Tipo::DezMilesimos:
      return sinal(a.comoDezMilesimos(), b.comoDezMilesimos());
    case ConjuntoMemoria::Tipo::Booleano:
      return sinal(a.comoBooleano(), b.comoBooleano());
    case ConjuntoMemoria::Tipo::Real:
      return sinal(a.comoReal(), b.comoReal());
  }
  return 0;
}

}  // namespace

ConjuntoMemoria::ConjuntoMemoria(std::vector<Coluna> colunas) { defineColunas(std::move(colunas)); }

void ConjuntoMemoria::defineColunas(std::vector<Coluna> colunas) {
  m_colunas = std::move(colunas);
  limpa();
}

void ConjuntoMemoria::adicionaColuna(const QString& nome, Tipo tipo, int tamanho) {
  m_colunas.push_back(Coluna{nome, tipo, tamanho});
  for (auto& linha : m_linhas) linha.emplace_back();
}

int ConjuntoMemoria::indiceColuna(const QString& nome) const {
  for (size_t i = 0; i < m_colunas.size(); ++i)
    if (m_colunas[i].nome.compare(nome.trimmed(), Qt::CaseInsensitive) == 0) return int(i);
  return -1;
}

int ConjuntoMemoria::exigeColuna(const QString& nome) const {
  const int i = indiceColuna(nome);
  if (i < 0) throw ErroBanco(QStringLiteral("O campo %1 não existe no conjunto de dados.").arg(nome));
  return i;
}

int ConjuntoMemoria::exigeAtual() const {
  if (m_atual < 0 || m_atual >= quantidade()) throw ErroBanco(QStringLiteral("O conjunto de dados não tem linha corrente."));
  return m_atual;
}

void ConjuntoMemoria::limpa() {
  m_linhas.clear();
  m_atual = -1;
  m_bof = m_eof = true;
}

void ConjuntoMemoria::acrescenta() {
  m_linhas.emplace_back(m_colunas.size());
  m_atual = quantidade() - 1;
  m_bof = m_eof = false;
}

void ConjuntoMemoria::exclui() {
  m_linhas.erase(m_linhas.begin() + exigeAtual());
  if (m_linhas.empty()) {
    m_atual = -1;
    m_bof = m_eof = true;
  } else if (m_atual >= quantidade()) {
    m_atual = quantidade() - 1;
  }
}

void ConjuntoMemoria::primeiro() {
  m_atual = m_linhas.empty() ? -1 : 0;
  m_bof = true;
  m_eof = m_linhas.empty();
}

void ConjuntoMemoria::anterior() {
  if (m_bof) return;
  m_eof = false;
  if (m_atual > 0)
    --m_atual;
  else
    m_bof = true;
}

void ConjuntoMemoria::proximo() {
  if (m_eof) return;
  m_bof = false;
  if (m_atual + 1 < quantidade())
    ++m_atual;
  else
    m_eof = true;
}

void ConjuntoMemoria::ultimo() {
  m_atual = quantidade() - 1;
  m_eof = true;
  m_bof = m_linhas.empty();
}

void ConjuntoMemoria::vaiPara(int posicao) {
  if (posicao < 1 || posicao > quantidade())
    throw ErroBanco(QStringLiteral("O conjunto de dados não tem a linha %1.").arg(posicao));
  m_atual = posicao - 1;
  m_bof = m_eof = false;
}

Dado ConjuntoMemoria::valor(const QString& coluna) const {
  const int c = exigeColuna(coluna);
  if (m_atual < 0 || m_atual >= quantidade()) return Dado();
  return m_linhas[size_t(m_atual)][size_t(c)];
}

Dado ConjuntoMemoria::valor(int linha, int coluna) const { return m_linhas.at(size_t(linha)).at(size_t(coluna)); }

Dado ConjuntoMemoria::converte(int coluna, const Dado& v) const {
  if (v.nulo()) return v;
  const Coluna& c = m_colunas[size_t(coluna)];
  switch (c.tipo) {
    case Tipo::Inteiro:
      return Dado(v.comoInteiro());
    case Tipo::Texto: {
      QString t = v.comoTexto();
      if (c.tamanho > 0 && t.size() > c.tamanho) t.truncate(c.tamanho);
      return Dado(std::move(t));
    }
    case Tipo::Data: {
      const QDate d = v.comoData();
      return d.isValid() ? Dado(d) : Dado();
    }
    case Tipo::DataHora: {
      const QDateTime d = v.comoDataHora();
      return d.isValid() ? Dado(d) : Dado();
    }
    case Tipo::DezMilesimos:
      return Dado(DezMilesimos{v.comoDezMilesimos()});
    case Tipo::Booleano:
      return Dado(v.comoBooleano());
    case Tipo::Real:
      return Dado(v.comoReal());
  }
  return v;
}

void ConjuntoMemoria::define(const QString& coluna, const Dado& v) { define(exigeAtual(), exigeColuna(coluna), v); }

void ConjuntoMemoria::define(int linha, int coluna, const Dado& v) {
  m_linhas.at(size_t(linha)).at(size_t(coluna)) = converte(coluna, v);
}

bool ConjuntoMemoria::localiza(const QString& campos, const QList<Dado>& valores, OpcoesLocaliza opcoes) {
  std::vector<int> indices;
  for (const QString& nome : campos.split(u';', Qt::SkipEmptyParts))
    if (!nome.trimmed().isEmpty()) indices.push_back(exigeColuna(nome));
  if (indices.empty() || indices.size() != size_t(valores.size()))
    throw ErroBanco(QStringLiteral("A localização pede um valor para cada campo: %1.").arg(campos));
  for (int l = 0; l < quantidade(); ++l) {
    bool confere = true;
    for (size_t k = 0; k < indices.size() && confere; ++k)
      confere = Corresponde(m_linhas[size_t(l)][size_t(indices[k])], valores[qsizetype(k)],
                                 opcoes.parcial, opcoes.semCaixa);
    if (confere) {
      m_atual = l;
      m_bof = m_eof = false;
      return true;
    }
  }
  return false;
}

void ConjuntoMemoria::ordena(const QString& campos, bool decrescente) {
  std::vector<int> indices;
  for (const QString& nome : campos.split(u';', Qt::SkipEmptyParts))
    if (!nome.trimmed().isEmpty()) indices.push_back(exigeColuna(nome));
  std::stable_sort(m_linhas.begin(), m_linhas.end(), [&](const auto& a, const auto& b) {
    for (const int i : indices) {
      const int c = compara(m_colunas[size_t(i)].tipo, a[size_t(i)], b[size_t(i)]);
      if (c != 0) return decrescente ? c > 0 : c < 0;
    }
    return false;
  });
  primeiro();
}

QByteArray ConjuntoMemoria::xml() const {
  QByteArray saida;
  QXmlStreamWriter w(&saida);
  w.writeStartDocument(QStringLiteral("1.0"), true);
  w.writeStartElement(QStringLiteral("DATAPACKET"));
  w.writeAttribute(QStringLiteral("Version"), QStringLiteral("2.0"));
  w.writeStartElement(QStringLiteral("METADATA"));
  w.writeStartElement(QStringLiteral("FIELDS"));
  for (const Coluna& c : m_colunas) {
    w.writeEmptyElement(QStringLiteral("FIELD"));
    w.writeAttribute(QStringLiteral("attrname"), c.nome);
    for (const NomeTipo& t : kTipos)
      if (t.tipo == c.tipo) w.writeAttribute(QStringLiteral("fieldtype"), QLatin1String(t.nome));
    if (c.tipo == Tipo::DezMilesimos) {
      w.writeAttribute(QStringLiteral("DECIMALS"), QStringLiteral("4"));
      w.writeAttribute(QStringLiteral("WIDTH"), QStringLiteral("18"));
    } else if (c.tipo == Tipo::Texto && c.tamanho > 0) {
      w.writeAttribute(QStringLiteral("WIDTH"), QString::number(c.tamanho));
    }
  }
  w.writeEndElement();  // FIELDS
  w.writeEmptyElement(QStringLiteral("PARAMS"));
  w.writeEndElement();  // METADATA
  w.writeStartElement(QStringLiteral("ROWDATA"));
  for (const auto& linha : m_linhas) {
    w.writeEmptyElement(QStringLiteral("ROW"));
    for (size_t i = 0; i < m_colunas.size(); ++i)
      if (!linha[i].nulo()) w.writeAttribute(m_colunas[i].nome, textoXml(m_colunas[i].tipo, linha[i]));
  }
  w.writeEndElement();  // ROWDATA
  w.writeEndElement();  // DATAPACKET
  w.writeEndDocument();
  return saida;
}

bool ConjuntoMemoria::deXml(const QByteArray& xml, QString* erro) {
  std::vector<Coluna> colunas;
  std::vector<std::vector<Dado>> linhas;
  QXmlStreamReader r(xml);
  bool emCampos = false;
  bool emLinhas = false;
  auto falha = [&](const QString& motivo) {
    if (erro) *erro = motivo;
    return false;
  };
  while (!r.atEnd()) {
    r.readNext();
    if (r.isStartElement()) {
      const QStringView nome = r.name();
      if (nome == u"FIELDS") {
        emCampos = true;
      } else if (nome == u"ROWDATA") {
        emLinhas = true;
      } else if (nome == u"FIELD" && emCampos) {
        Coluna c;
        c.nome = r.attributes().value(QLatin1String("attrname")).toString();
        const QStringView tipo = r.attributes().value(QLatin1String("fieldtype"));
        bool achou = false;
        for (const NomeTipo& t : kTipos) {
          if (tipo == QLatin1String(t.nome)) {
            c.tipo = t.tipo;
            achou = true;
          }
        }
        if (c.nome.isEmpty() || !achou)
          return falha(QStringLiteral("Campo sem nome ou de tipo desconhecido: %1").arg(tipo.toString()));
        if (c.tipo == Tipo::Texto) c.tamanho = r.attributes().value(QLatin1String("WIDTH")).toInt();
        colunas.push_back(c);
      } else if (nome == u"ROW" && emLinhas) {
        std::vector<Dado> linha(colunas.size());
        for (size_t i = 0; i < colunas.size(); ++i) {
          const auto atributos = r.attributes();
          if (!atributos.hasAttribute(colunas[i].nome)) continue;
          const QString texto = atributos.value(colunas[i].nome).toString();
          const auto v = valorXml(colunas[i].tipo, texto);
          if (!v) return falha(QStringLiteral("Dado inválido \"%1\" no campo %2").arg(texto, colunas[i].nome));
          linha[i] = *v;
        }
        linhas.push_back(std::move(linha));
      }
    } else if (r.isEndElement()) {
      if (r.name() == u"FIELDS") emCampos = false;
      if (r.name() == u"ROWDATA") emLinhas = false;
    }
  }
  if (r.hasError()) return falha(r.errorString());
  m_colunas = std::move(colunas);
  m_linhas = std::move(linhas);
  primeiro();
  return true;
}

bool ConjuntoMemoria::salvaXml(const QString& caminho, QString* erro) const {
  QSaveFile f(caminho);
  if (!f.open(QIODevice::WriteOnly) || f.write(xml()) < 0 || !f.commit()) {
    if (erro) *erro = f.errorString();
    return false;
  }
  return true;
}

bool ConjuntoMemoria::carregaXml(const QString& caminho, QString* erro) {
  QFile f(caminho);
  if (!f.open(QIODevice::ReadOnly)) {
    if (erro) *erro = f.errorString();
    return false;
  }
  return deXml(f.readAll(), erro);
}

}  // namespace bd
