#include "plataforma/sistema/ArquivoIni.h"

#include <QFile>
#include <QSaveFile>

#include <optional>
#include <vector>

#include "plataforma/sistema/Cp1252.h"

namespace {

// The file's lines as they are on disk, each with its own line break (none for a last line
// without one), and its text for the parsing: a write changes only the lines it touches and
// copies every other byte as it was, unassigned Windows-1252 bytes included.
struct Linha {
  QByteArray bytes;
  QByteArray quebra;
  QString texto;
};

struct Linhas {
  std::vector<Linha> linhas;
  QByteArray fim = "\r\n";  // the break of lines this program adds: the file's first one

  const QString& texto(size_t i) const { return linhas[i].texto; }
  size_t size() const { return linhas.size(); }
  void insere(size_t pos, const QString& texto) {
    linhas.insert(linhas.begin() + qsizetype(pos), Linha{Cp1252::codifica(texto), fim, texto});
  }
  void substitui(size_t i, QByteArray bytes) {
    linhas[i].texto = Cp1252::decodifica(bytes);
    linhas[i].bytes = std::move(bytes);
  }
};

Linhas carrega(const QString& caminho) {
  Linhas r;
  QFile f(caminho);
  if (!f.open(QIODevice::ReadOnly)) return r;
  const QByteArray dados = f.readAll();
  bool fimVisto = false;
  qsizetype i = 0;
  while (i < dados.size()) {
    qsizetype j = i;
    while (j < dados.size() && dados[j] != '\n' && dados[j] != '\r') ++j;
    Linha l;
    l.bytes = dados.mid(i, j - i);
    if (j < dados.size()) {
      const qsizetype tamanho = dados[j] == '\r' && j + 1 < dados.size() && dados[j + 1] == '\n' ? 2 : 1;
      l.quebra = dados.mid(j, tamanho);
      j += tamanho;
      if (!fimVisto) r.fim = l.quebra;
      fimVisto = true;
    }
    l.texto = Cp1252::decodifica(l.bytes);
    r.linhas.push_back(std::move(l));
    i = j;
  }
  return r;
}

std::optional<QString> nomeSecao(const QString& linha) {
  const QString t = linha.trimmed();
  if (t.startsWith('[') && t.contains(']')) return t.mid(1, t.indexOf(']') - 1).trimmed();
  return std::nullopt;
}

// Key of a key=value line, or nothing for comments and other lines.
std::optional<QString> nomeChave(const QString& linha) {
  const QString t = linha.trimmed();
  if (t.isEmpty() || t.startsWith(';')) return std::nullopt;
  const qsizetype igual = t.indexOf('=');
  if (igual <= 0) return std::nullopt;
  return t.left(igual).trimmed();
}

QString valorDe(const QString& linha) {
  QString v = linha.mid(linha.indexOf('=') + 1).trimmed();
  if (v.size() >= 2 && ((v.startsWith('"') && v.endsWith('"')) || (v.startsWith('\'') && v.endsWith('\''))))
    v = v.mid(1, v.size() - 2);
  return v;
}

bool mesmo(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

// Index range [inicio, fim) of the section's body, or inicio = -1 when absent.
std::pair<int, int> faixa(const Linhas& l, const QString& secao) {
  int inicio = -1;
  for (int i = 0; i < int(l.size()); ++i) {
    const auto s = nomeSecao(l.texto(size_t(i)));
    if (!s) continue;
    if (inicio >= 0) return {inicio, i};
    if (mesmo(*s, secao)) inicio = i + 1;
  }
  return {inicio, int(l.size())};
}

int linhaDaChave(const Linhas& l, std::pair<int, int> f, const QString& chave) {
  if (f.first < 0) return -1;
  for (int i = f.first; i < f.second; ++i) {
    const auto k = nomeChave(l.texto(size_t(i)));
    if (k && mesmo(*k, chave)) return i;
  }
  return -1;
}

bool salva(const QString& caminho, const Linhas& l) {
  QByteArray bytes;
  for (const Linha& linha : l.linhas) bytes += linha.bytes + linha.quebra;
  QSaveFile f(caminho);
  if (!f.open(QIODevice::WriteOnly)) return false;
  if (f.write(bytes) != bytes.size()) {
    f.cancelWriting();
    return false;
  }
  return f.commit();
}

}  // namespace

ArquivoIni::ArquivoIni(QString caminho) : m_caminho(std::move(caminho)) {}

QString ArquivoIni::le(const QString& secao, const QString& chave, const QString& padrao) const {
  const Linhas l = carrega(m_caminho);
  const int i = linhaDaChave(l, faixa(l, secao), chave);
  return i < 0 ? padrao : valorDe(l.texto(size_t(i)));
}

bool ArquivoIni::existe(const QString& secao, const QString& chave) const {
  const Linhas l = carrega(m_caminho);
  return linhaDaChave(l, faixa(l, secao), chave) >= 0;
}

bool ArquivoIni::grava(const QString& secao, const QString& chave, const QString& valor) const {
  Linhas l = carrega(m_caminho);
  const auto f = faixa(l, secao);
  const QString nova = chave + '=' + valor;
  const int i = linhaDaChave(l, f, chave);
  // A line added after a last line without a break gives it one.
  auto terminaUltima = [&l] {
    if (!l.linhas.empty() && l.linhas.back().quebra.isEmpty()) l.linhas.back().quebra = l.fim;
  };
  if (i >= 0) {
    // The key keeps its spelling, byte for byte.
    const QByteArray& antes = l.linhas[size_t(i)].bytes;
    l.substitui(size_t(i), antes.left(antes.indexOf('=')).trimmed() + '=' + Cp1252::codifica(valor));
  } else if (f.first >= 0) {
    int pos = f.second;  // after the section's last non-blank line
    while (pos > f.first && l.texto(size_t(pos - 1)).trimmed().isEmpty()) --pos;
    if (pos == int(l.size())) terminaUltima();
    l.insere(size_t(pos), nova);
  } else {
    terminaUltima();
    if (!l.linhas.empty() && !l.linhas.back().texto.trimmed().isEmpty()) l.insere(l.size(), QString());
    l.insere(l.size(), '[' + secao + ']');
    l.insere(l.size(), nova);
  }
  return salva(m_caminho, l);
}

bool ArquivoIni::apaga(const QString& secao, const QString& chave) const {
  Linhas l = carrega(m_caminho);
  const int i = linhaDaChave(l, faixa(l, secao), chave);
  if (i < 0) return true;
  l.linhas.erase(l.linhas.begin() + i);
  return salva(m_caminho, l);
}

QStringList ArquivoIni::chaves(const QString& secao) const {
  const Linhas l = carrega(m_caminho);
  const auto f = faixa(l, secao);
  QStringList r;
  if (f.first < 0) return r;
  for (int i = f.first; i < f.second; ++i)
    if (const auto k = nomeChave(l.texto(size_t(i)))) r << *k;
  return r;
}

bool ArquivoIni::leBooleano(const QString& secao, const QString& chave, bool padrao) const {
  bool ok = false;
  const int n = le(secao, chave).toInt(&ok);
  return ok ? n != 0 : padrao;
}

bool ArquivoIni::gravaBooleano(const QString& secao, const QString& chave, bool valor) const {
  return grava(secao, chave, valor ? QStringLiteral("1") : QStringLiteral("0"));
}

int ArquivoIni::leInteiro(const QString& secao, const QString& chave, int padrao) const {
  bool ok = false;
  const int n = le(secao, chave).toInt(&ok);
  return ok ? n : padrao;
}
