#include "nucleo/CabecalhoDeclaracao.h"

#include "nucleo/NumeroRecibo.h"
#include "plataforma/integridade/EnvelopeTolv.h"
#include "plataforma/sistema/Cp1252.h"

#include <QByteArrayMatcher>
#include <QFile>

#include <algorithm>
#include <optional>

namespace {

// Longer lines are cut: no field read here is anywhere near it, and a foreign file without
// line breaks must not be loaded whole.
constexpr qint64 kLinhaMaxima = 64 * 1024;
constexpr qint64 kBloco = 1024 * 1024;
// The envelope closes the file: without a readable one, the control line is looked for only in
// this much of its end, so that a search over many large files reads their heads and tails alone.
constexpr qint64 kCauda = 64 * 1024;

QByteArray semQuebra(QByteArray linha) {
  while (linha.endsWith('\n') || linha.endsWith('\r')) linha.chop(1);
  return linha;
}

// The next line, at most kLinhaMaxima bytes of it; the rest of a longer line is skipped.
// Nothing at the end of the file.
std::optional<QByteArray> proximaLinha(QFile& arquivo) {
  if (arquivo.atEnd()) return std::nullopt;
  QByteArray linha = arquivo.readLine(kLinhaMaxima);
  if (!linha.endsWith('\n')) {
    char c;
    while (arquivo.getChar(&c) && c != '\n') {
    }
  }
  return semQuebra(linha);
}

// The first line from the current position that contains the marker, cut as above.
std::optional<QByteArray> linhaCom(QFile& arquivo, const QByteArray& marcador) {
  const QByteArrayMatcher busca(marcador);
  QByteArray janela;  // the current partial line, then the block
  for (;;) {
    const QByteArray bloco = arquivo.read(kBloco);
    if (bloco.isEmpty()) return std::nullopt;
    const qsizetype inicioBusca = qMax<qsizetype>(0, janela.size() - marcador.size() + 1);
    janela += bloco;
    const qsizetype achado = busca.indexIn(janela, inicioBusca);
    if (achado >= 0) {
      const qsizetype inicio = janela.lastIndexOf('\n', achado) + 1;
      qsizetype fim = janela.indexOf('\n', achado);
      while (fim < 0 && janela.size() - inicio < kLinhaMaxima) {
        const QByteArray mais = arquivo.read(kBloco);
        if (mais.isEmpty()) break;
        janela += mais;
        fim = janela.indexOf('\n', achado);
      }
      const qsizetype tamanho = (fim < 0 ? janela.size() : fim) - inicio;
      return semQuebra(janela.mid(inicio, qMin<qsizetype>(tamanho, kLinhaMaxima)));
    }
    janela = janela.mid(janela.lastIndexOf('\n') + 1).right(kLinhaMaxima);
  }
}

QString campo(const QByteArray& linha, int indice) {
  const QList<QByteArray> campos = linha.split('|');
  return indice < campos.size() ? Cp1252::decodifica(campos[indice]) : QString();
}

// The receipt number is the envelope's control value with its check digits.
QString reciboDoControle(const QByteArray& valor) {
  if (valor.size() != 10) return {};
  const QString base = QString::fromLatin1(valor);
  const QString dv = TNumeroRecibo::CalculaDVRecibo(base);
  return dv.isEmpty() ? QString() : base + dv;
}

}  // namespace

void LeCabecalhoDeclaracao(TCabecalhoDeclaracao& cabecalho, const QString& nomeArquivo, QString& resultado) {
  cabecalho = TCabecalhoDeclaracao{};
  QFile arquivo(nomeArquivo);
  if (!arquivo.open(QIODevice::ReadOnly)) {
    resultado = arquivo.errorString();
    return;
  }
  if (const auto cabeca = proximaLinha(arquivo)) {
    const QByteArray ano = cabeca->mid(10, 4);
    if (ano.size() == 4 && std::all_of(ano.begin(), ano.end(), [](char c) { return c >= '0' && c <= '9'; }))
      cabecalho.anoCalendario = ano.toInt();
    const QList<QByteArray> campos = cabeca->split('|');
    if (campos.size() > 3) cabecalho.tipoDeclaracao = campos[3].startsWith('N') ? QStringLiteral("O") : QStringLiteral("R");
  }
  proximaLinha(arquivo);
  if (const auto declarante = proximaLinha(arquivo)) {
    cabecalho.tipoDeclarante = declarante->startsWith("DECPJ") ? 2 : 1;
    cabecalho.ni = campo(*declarante, 1);
    cabecalho.nome = campo(*declarante, 2);
  }
  // The envelope is read from the file's end; a file whose envelope does not close with its size
  // is searched for the control line.
  EnvelopeTolv envelope;
  if (envelope.Abrir(1, nomeArquivo) == EnvelopeTolv::kOk && envelope.GetTamanhoEnvelope() > 0) {
    if (const auto controle = envelope.Valor(QString::fromLatin1(EnvelopeTolv::kMarcaControle)))
      cabecalho.recibo = reciboDoControle(controle->toLatin1());
  } else {
    const qint64 inicioCauda = arquivo.size() - kCauda;
    bool posicionado = true;
    if (inicioCauda > arquivo.pos()) {
      // Landed inside a line: its rest is skipped, since the control line starts a line.
      char anterior = '\n';
      posicionado = arquivo.seek(inicioCauda - 1) && arquivo.getChar(&anterior);
      if (posicionado && anterior != '\n') proximaLinha(arquivo);
    }
    if (posicionado) {
      if (const auto controle = linhaCom(arquivo, QByteArray(EnvelopeTolv::kMarcaControle)))
        cabecalho.recibo = reciboDoControle(EnvelopeTolv::ValorDaLinha(*controle));
    }
  }
  resultado = QStringLiteral("OK");
}
