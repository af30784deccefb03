#include "plataforma/compressao/Descompressor.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QStorageInfo>

#include <zip.h>
#include <zlib.h>

#include <algorithm>
#include <vector>

namespace compressao {

namespace {

constexpr int64_t kMega = int64_t(1) << 20;

// Closes the archive however the reading ends.
struct Arquivo {
  zip_t* za = nullptr;
  ~Arquivo() {
    if (za) zip_discard(za);
  }
};

struct ArquivoInterno {
  zip_file_t* zf = nullptr;
  ~ArquivoInterno() {
    if (zf) zip_fclose(zf);
  }
};

Descompressor::EspacoLivre& Espaco() {
  static Descompressor::EspacoLivre espaco;
  return espaco;
}

}  // namespace

struct Descompressor::Impl {
  std::vector<Entrada> entradas;
  QStringList extraidos;
  QString erro;
  bool cancelar = false;

  bool abre(const QString& arquivo, Arquivo& a) {
    int codigo = 0;
    a.za = zip_open(QFile::encodeName(arquivo).constData(), ZIP_RDONLY | ZIP_CHECKCONS, &codigo);
    if (!a.za) {
      zip_error_t e;
      zip_error_init_with_code(&e, codigo);
      erro = QStringLiteral("O arquivo %1 não é uma cópia de segurança válida: %2")
                 .arg(QDir::toNativeSeparators(arquivo), QString::fromLocal8Bit(zip_error_strerror(&e)));
      zip_error_fini(&e);
      return false;
    }
    return true;
  }

  bool lista(zip_t* za) {
    entradas.clear();
    const zip_int64_t n = zip_get_num_entries(za, 0);
    QSet<QString> nomes;
    for (zip_int64_t i = 0; i < n; ++i) {
      zip_stat_t st;
      zip_stat_init(&st);
      if (zip_stat_index(za, zip_uint64_t(i), 0, &st) != 0 || !(st.valid & ZIP_STAT_NAME) ||
          !(st.valid & ZIP_STAT_SIZE) || !(st.valid & ZIP_STAT_CRC)) {
        erro = QStringLiteral("A cópia de segurança está danificada: %1").arg(QString::fromLocal8Bit(zip_strerror(za)));
        return false;
      }
      const QString nome = QString::fromUtf8(st.name);
      if (!NomeSeguro(nome)) {
        erro = QStringLiteral("A cópia de segurança contém um nome de arquivo não permitido: \"%1\".").arg(nome);
        return false;
      }
      if (nomes.contains(nome.toUpper())) {
        erro = QStringLiteral("A cópia de segurança contém o arquivo %1 mais de uma vez.").arg(nome);
        return false;
      }
      if ((st.valid & ZIP_STAT_ENCRYPTION_METHOD) && st.encryption_method != ZIP_EM_NONE) {
        erro = QStringLiteral("A cópia de segurança contém um arquivo cifrado: %1.").arg(nome);
        return false;
      }
      nomes.insert(nome.toUpper());
      entradas.push_back({nome, int64_t(st.size), uint32_t(st.crc)});
    }
    return true;
  }
};

Descompressor::Descompressor() : m(std::make_unique<Impl>()) {}

void Descompressor::DefineEspacoLivre(EspacoLivre espaco) { Espaco() = std::move(espaco); }

Descompressor::~Descompressor() = default;

bool Descompressor::NomeSeguro(const QString& nome) {
  if (nome.isEmpty() || nome.size() > 255 || nome.contains(QStringLiteral(".."))) return false;
  for (const QChar c : nome)
    if (c == u'/' || c == u'\\' || c == u':' || c.unicode() < 0x20 || c.unicode() == 0x7F) return false;
  return true;
}

bool Descompressor::Le(const QString& arquivo) {
  m->erro.clear();
  Arquivo a;
  return m->abre(arquivo, a) && m->lista(a.za);
}

const std::vector<Entrada>& Descompressor::Entradas() const { return m->entradas; }

void Descompressor::Cancela() { m->cancelar = true; }

const QString& Descompressor::Erro() const { return m->erro; }

const QStringList& Descompressor::Extraidos() const { return m->extraidos; }

Resultado Descompressor::Descomprimir(const QString& arquivo, const QString& pasta, const Progresso& progresso) {
  m->erro.clear();
  m->extraidos.clear();
  m->cancelar = false;
  Arquivo a;
  if (!m->abre(arquivo, a) || !m->lista(a.za)) return Falhou;

  int64_t total = 0;
  for (const Entrada& e : m->entradas) total += e.tamanho;
  if (!QDir(pasta).exists()) {
    m->erro = QStringLiteral("A pasta %1 não existe.").arg(QDir::toNativeSeparators(pasta));
    return Falhou;
  }
  const int64_t livre = Espaco() ? Espaco()(pasta) : QStorageInfo(pasta).bytesAvailable();
  if (livre < total) {
    m->erro = QStringLiteral("Não há espaço livre suficiente em %1 para descompactar a cópia de segurança: são "
                             "necessários %2 MB e há %3 MB livres.")
                  .arg(QDir::toNativeSeparators(pasta))
                  .arg((total + kMega - 1) / kMega)
                  .arg(std::max<int64_t>(0, livre) / kMega);
    return Falhou;
  }

  QStringList escritos;
  auto desfaz = [&escritos] {
    for (const QString& caminho : escritos) QFile::remove(caminho);
  };
  // Blocks of about 1/256 of the work: progress by the percent, a cancel felt at once.
  std::vector<char> buffer(static_cast<size_t>(std::clamp<int64_t>(total / 256, int64_t(16) << 10, kMega)));
  int64_t feitos = 0;
  int percentual = -1;
  auto avisa = [&] {
    const int p = total > 0 ? int(std::min<int64_t>(100, feitos * 100 / total)) : 100;
    if (p == percentual || !progresso) return;
    percentual = p;
    try {
      progresso(p);
    } catch (...) {
      // A callback that raises stops the extraction as a failure, with nothing left behind.
      m->cancelar = true;
      m->erro = QStringLiteral("Erro inesperado durante a descompressão.");
    }
  };
  avisa();
  for (zip_uint64_t i = 0; i < m->entradas.size(); ++i) {
    const Entrada& e = m->entradas[i];
    const QString destino = QDir(pasta).filePath(e.nome);
    QFile saida(destino);
    if (!saida.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
      m->erro = QStringLiteral("Não foi possível criar o arquivo %1: %2").arg(QDir::toNativeSeparators(destino), saida.errorString());
      desfaz();
      return Falhou;
    }
    escritos << destino;
    ArquivoInterno interno;
    interno.zf = zip_fopen_index(a.za, i, 0);
    if (!interno.zf) {
      m->erro = QStringLiteral("Não foi possível ler %1 da cópia de segurança: %2").arg(e.nome, QString::fromLocal8Bit(zip_strerror(a.za)));
      desfaz();
      return Falhou;
    }
    uLong crc = crc32(0L, Z_NULL, 0);
    int64_t escrito = 0;
    for (;;) {
      if (m->cancelar) {
        desfaz();
        return m->erro.isEmpty() ? Cancelado : Falhou;
      }
      const zip_int64_t n = zip_fread(interno.zf, buffer.data(), zip_uint64_t(buffer.size()));
      if (n < 0) {
        m->erro = QStringLiteral("A cópia de segurança está danificada (%1): %2")
                      .arg(e.nome, QString::fromLocal8Bit(zip_file_strerror(interno.zf)));
        desfaz();
        return Falhou;
      }
      if (n == 0) break;
      // An entry that holds more than it declares would overrun the space checked above.
      if (escrito + n > e.tamanho) {
        m->erro = QStringLiteral("A cópia de segurança está danificada: %1 é maior do que o declarado.").arg(e.nome);
        desfaz();
        return Falhou;
      }
      if (saida.write(buffer.data(), n) != n) {
        m->erro = QStringLiteral("Não foi possível gravar o arquivo %1: %2").arg(QDir::toNativeSeparators(destino), saida.errorString());
        desfaz();
        return Falhou;
      }
      crc = crc32(crc, reinterpret_cast<const Bytef*>(buffer.data()), uInt(n));
      escrito += n;
      feitos += n;
      avisa();
    }
    if (escrito != e.tamanho || uint32_t(crc) != e.crc) {
      m->erro = QStringLiteral("A cópia de segurança está danificada: o conteúdo de %1 não confere.").arg(e.nome);
      desfaz();
      return Falhou;
    }
    if (!saida.flush() || (saida.close(), saida.error() != QFileDevice::NoError)) {
      m->erro = QStringLiteral("Não foi possível gravar o arquivo %1: %2").arg(QDir::toNativeSeparators(destino), saida.errorString());
      desfaz();
      return Falhou;
    }
  }
  feitos = total;
  avisa();
  m->extraidos = escritos;
  return Concluido;
}

}  // namespace compressao
