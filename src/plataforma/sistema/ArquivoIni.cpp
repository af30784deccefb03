#include "plataforma/sistema/ArquivoIni.h"

#include <QFile>
#include <QSaveFile>

#include <optional>
#include <vector>

#include "plataforma/sistema/Cp1252.h"

namespace {

struct Linhas {
  std::vector<QString> linhas;
  QString fim = QStringLiteral("\r\n");
};

Linhas carrega(const QString& caminho) {
  Linhas r;
  QFile f(caminho);
  if (!f.open(QIODevice::ReadOnly)) return r;
  const QString texto = Cp1252::decodifica(f.readAll());
  if (!texto.contains(QStringLiteral("\r\n")) && texto.contains('\n')) r.fim = QStringLiteral("\n");
  const QStringList partes = texto.split('\n');
  for (qsizetype i = 0; i < partes.size(); ++i) {
    QString l = partes[i];
    if (l.endsWith('\r')) l.chop(1);
    if (i == partes.size() - 1 && l.isEmpty()) break;  // the final line break
    r.linhas.push_back(l);
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
  for (int i = 0; i < int(l.linhas.size()); ++i) {
    const auto s = nomeSecao(l.linhas[i]);
    if (!s) continue;
    if (inicio >= 0) return {inicio, i};
    if (mesmo(*s, secao)) inicio = i + 1;
  }
  return {inicio, int(l.linhas.size())};
}

int linhaDaChave(const Linhas& l, std::pair<int, int> f, const QString& chave) {
  if (f.first < 0) return -1;
  for (int i = f.first; i < f.second; ++i) {
    const auto k = nomeChave(l.linhas[i]);
    if (k && mesmo(*k, chave)) return i;
  }
  return -1;
}

bool salva(const QString& caminho, const Linhas& l) {
  QString texto;
  for (const QString& linha : l.linhas) texto += linha + l.fim;
  QSaveFile f(caminho);
  if (!f.open(QIODevice::WriteOnly)) return false;
  const QByteArray bytes = Cp1252::codifica(texto);
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
  return i < 0 ? padrao : valorDe(l.linhas[i]);
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
  if (i >= 0) {
    l.linhas[i] = *nomeChave(l.linhas[i]) + '=' + valor;  // the key keeps its spelling
  } else if (f.first >= 0) {
    int pos = f.second;  // after the section's last non-blank line
    while (pos > f.first && l.linhas[pos - 1].trimmed().isEmpty()) --pos;
    l.linhas.insert(l.linhas.begin() + pos, nova);
  } else {
    if (!l.linhas.empty() && !l.linhas.back().trimmed().isEmpty()) l.linhas.push_back(QString());
    l.linhas.push_back('[' + secao + ']');
    l.linhas.push_back(nova);
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
    if (const auto k = nomeChave(l.linhas[i])) r << *k;
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
