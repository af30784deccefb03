#include "plataforma/compressao/Compressor.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <zip.h>

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <vector>

namespace compressao {

namespace {

// Blocks of about 1/256 of the work, so that progress moves by the percent and a cancel is
// felt at once, within bounds that keep the reading efficient.
size_t TamanhoBloco(int64_t total) {
  return size_t(std::clamp<int64_t>(total / 256, int64_t(16) << 10, int64_t(1) << 20));
}

// Shared by the sources of one archive: the bytes read so far against the total, the progress
// callback and the cancel request.
struct Andamento {
  const Progresso* progresso = nullptr;
  int64_t total = 0;
  int64_t lidos = 0;
  int percentual = -1;
  bool cancelar = false;
  QString erro;

  void avanca(int64_t n) {
    lidos += n;
    if (!progresso || !*progresso) return;
    const int p = total > 0 ? int(std::min<int64_t>(100, lidos * 100 / total)) : 100;
    if (p == percentual) return;
    percentual = p;
    try {
      (*progresso)(p);
    } catch (...) {
      // Nothing may cross the library: a callback that raises stops the archive.
      cancelar = true;
      erro = QStringLiteral("Erro inesperado durante a compressão.");
    }
  }
};

// One listed file as libzip reads it: opened when the archive is written, read in large blocks.
struct Fonte {
  QString caminho;
  int64_t tamanho = 0;
  time_t modificado = 0;
  Andamento* andamento = nullptr;
  int fd = -1;
  std::vector<char> buffer;
  size_t inicio = 0;
  size_t fim = 0;
  zip_error_t erro{};

  Fonte() { zip_error_init(&erro); }
  ~Fonte() {
    fecha();
    zip_error_fini(&erro);
  }
  void fecha() {
    if (fd >= 0) ::close(fd);
    fd = -1;
  }

  zip_int64_t le(void* dados, zip_uint64_t tamanho) {
    if (andamento->cancelar) {
      zip_error_set(&erro, ZIP_ER_CANCELLED, 0);
      return -1;
    }
    if (inicio == fim) {
      ssize_t n;
      do n = ::read(fd, buffer.data(), buffer.size());
      while (n < 0 && errno == EINTR);
      if (n < 0) {
        const int codigo = errno;
        zip_error_set(&erro, ZIP_ER_READ, codigo);
        andamento->erro = QStringLiteral("Não foi possível ler o arquivo %1: %2")
                              .arg(QDir::toNativeSeparators(caminho), QString::fromLocal8Bit(std::strerror(codigo)));
        return -1;
      }
      inicio = 0;
      fim = size_t(n);
      if (n == 0) return 0;
      andamento->avanca(n);
      if (andamento->cancelar) {
        zip_error_set(&erro, ZIP_ER_CANCELLED, 0);
        return -1;
      }
    }
    const size_t n = std::min<size_t>(fim - inicio, size_t(tamanho));
    std::memcpy(dados, buffer.data() + inicio, n);
    inicio += n;
    return zip_int64_t(n);
  }

  static zip_int64_t chamada(void* estado, void* dados, zip_uint64_t tamanho, zip_source_cmd_t comando) {
    auto* f = static_cast<Fonte*>(estado);
    switch (comando) {
      case ZIP_SOURCE_OPEN:
        f->fd = ::open(QFile::encodeName(f->caminho).constData(), O_RDONLY | O_CLOEXEC);
        if (f->fd < 0) {
          const int codigo = errno;
          zip_error_set(&f->erro, ZIP_ER_OPEN, codigo);
          f->andamento->erro = QStringLiteral("Não foi possível abrir o arquivo %1: %2")
                                   .arg(QDir::toNativeSeparators(f->caminho), QString::fromLocal8Bit(std::strerror(codigo)));
          return -1;
        }
        f->buffer.resize(TamanhoBloco(f->andamento->total));
        f->inicio = f->fim = 0;
        return 0;
      case ZIP_SOURCE_READ:
        return f->le(dados, tamanho);
      case ZIP_SOURCE_CLOSE:
        f->fecha();
        f->buffer = {};
        return 0;
      case ZIP_SOURCE_STAT: {
        auto* st = ZIP_SOURCE_GET_ARGS(zip_stat_t, dados, tamanho, &f->erro);
        if (!st) return -1;
        zip_stat_init(st);
        st->size = zip_uint64_t(f->tamanho);
        st->mtime = f->modificado;
        st->valid |= ZIP_STAT_SIZE | ZIP_STAT_MTIME;
        return sizeof(zip_stat_t);
      }
      case ZIP_SOURCE_ERROR:
        return zip_error_to_data(&f->erro, dados, tamanho);
      case ZIP_SOURCE_FREE:
        // Owned by the compressor's list, which outlives the archive.
        f->fecha();
        return 0;
      case ZIP_SOURCE_SUPPORTS:
        return zip_source_make_command_bitmap(ZIP_SOURCE_OPEN, ZIP_SOURCE_READ, ZIP_SOURCE_CLOSE, ZIP_SOURCE_STAT,
                                              ZIP_SOURCE_ERROR, ZIP_SOURCE_FREE, -1);
      default:
        zip_error_set(&f->erro, ZIP_ER_OPNOTSUPP, 0);
        return -1;
    }
  }
};

QString TextoErro(zip_error_t* erro) { return QString::fromLocal8Bit(zip_error_strerror(erro)); }

// What libzip leaves beside an archive when the process dies while writing it: "<name>.XXXXXX".
void RemoveRestos(const QString& arquivo) {
  const QFileInfo info(arquivo);
  const QRegularExpression resto(QStringLiteral("^") + QRegularExpression::escape(info.fileName()) +
                                 QStringLiteral("\\.[A-Za-z0-9]{6}$"));
  const QDir pasta = info.absoluteDir();
  for (const QString& nome : pasta.entryList(QDir::Files | QDir::Hidden | QDir::System))
    if (resto.match(nome).hasMatch()) QFile::remove(pasta.filePath(nome));
}

}  // namespace

struct Compressor::Impl {
  QStringList arquivos;
  std::vector<std::unique_ptr<Fonte>> fontes;
  int64_t total = 0;
  Andamento* andamento = nullptr;
  QString erro;
};

Compressor::Compressor() : m(std::make_unique<Impl>()) {}

Compressor::~Compressor() = default;

bool Compressor::AdicionaArquivo(const QString& caminho) {
  const QFileInfo info(caminho);
  if (!info.isFile()) return false;
  for (const QString& listado : m->arquivos)
    if (QFileInfo(listado).fileName().compare(info.fileName(), Qt::CaseInsensitive) == 0) return false;
  QFile teste(caminho);
  if (!teste.open(QIODevice::ReadOnly)) return false;
  auto fonte = std::make_unique<Fonte>();
  fonte->caminho = info.absoluteFilePath();
  fonte->tamanho = info.size();
  fonte->modificado = info.lastModified().toSecsSinceEpoch();
  m->total += fonte->tamanho;
  m->fontes.push_back(std::move(fonte));
  m->arquivos << info.absoluteFilePath();
  return true;
}

const QStringList& Compressor::Arquivos() const { return m->arquivos; }

int64_t Compressor::TamanhoTotal() const { return m->total; }

void Compressor::LimpaLista() {
  m->arquivos.clear();
  m->fontes.clear();
  m->total = 0;
}

void Compressor::CancelarCompressao() {
  if (m->andamento) m->andamento->cancelar = true;
}

const QString& Compressor::Erro() const { return m->erro; }

Resultado Compressor::Comprimir(const QString& arquivo, const Progresso& progresso) {
  m->erro.clear();
  Andamento andamento;
  andamento.progresso = &progresso;
  andamento.total = m->total;
  m->andamento = &andamento;
  struct Fim {
    Compressor::Impl* m;
    ~Fim() {
      m->andamento = nullptr;
      m->arquivos.clear();
      m->fontes.clear();
      m->total = 0;
    }
  } fim{m.get()};

  if (m->fontes.empty()) {
    m->erro = QStringLiteral("Nenhum arquivo a gravar na cópia de segurança.");
    return Falhou;
  }
  RemoveRestos(arquivo);
  int codigo = 0;
  zip_t* za = zip_open(QFile::encodeName(arquivo).constData(), ZIP_CREATE | ZIP_TRUNCATE, &codigo);
  if (!za) {
    zip_error_t erro;
    zip_error_init_with_code(&erro, codigo);
    m->erro = QStringLiteral("Não foi possível criar o arquivo %1: %2").arg(QDir::toNativeSeparators(arquivo), TextoErro(&erro));
    zip_error_fini(&erro);
    return Falhou;
  }
  for (auto& fonte : m->fontes) {
    fonte->andamento = &andamento;
    zip_error_t erro;
    zip_error_init(&erro);
    zip_source_t* origem = zip_source_function_create(&Fonte::chamada, fonte.get(), &erro);
    const QByteArray nome = QFileInfo(fonte->caminho).fileName().toUtf8();
    zip_int64_t indice = -1;
    if (origem) {
      indice = zip_file_add(za, nome.constData(), origem, ZIP_FL_ENC_UTF_8);
      if (indice < 0) zip_source_free(origem);
    }
    if (indice < 0 || zip_set_file_compression(za, zip_uint64_t(indice), ZIP_CM_DEFLATE, kNivel) < 0) {
      m->erro = QStringLiteral("Não foi possível incluir %1 na cópia de segurança: %2")
                    .arg(QString::fromUtf8(nome), origem ? QString::fromLocal8Bit(zip_strerror(za)) : TextoErro(&erro));
      zip_error_fini(&erro);
      zip_discard(za);
      return Falhou;
    }
    zip_error_fini(&erro);
  }
  if (zip_close(za) == 0) return Concluido;
  const bool cancelado = andamento.cancelar && andamento.erro.isEmpty();
  if (!cancelado)
    m->erro = !andamento.erro.isEmpty() ? andamento.erro
                                        : QStringLiteral("Não foi possível gravar o arquivo %1: %2")
                                              .arg(QDir::toNativeSeparators(arquivo), QString::fromLocal8Bit(zip_strerror(za)));
  zip_discard(za);
  RemoveRestos(arquivo);
  return cancelado ? Cancelado : Falhou;
}

}  // namespace compressao
