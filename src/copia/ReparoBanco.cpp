#include "copia/ReparoBanco.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QSaveFile>

#include "copia/NomesCopia.h"
#include "plataforma/bd/Conexao.h"
#include "plataforma/bd/ErroBanco.h"
#include "plataforma/bd/Servicos.h"
#include "plataforma/compressao/SubstituicaoArquivo.h"

namespace {

constexpr int kBuffersRestauracao = 500;
constexpr int kEsperaSaida = 50;  // ms between two looks at the window while a tool runs
constexpr qint64 kBlocoCopia = 4 << 20;

QString TrocaExtensao(const QString& caminho, const QString& extensao) {
  const qsizetype barra = caminho.lastIndexOf(u'/');
  const qsizetype ponto = caminho.lastIndexOf(u'.');
  return (ponto > barra ? caminho.left(ponto) : caminho) + extensao;
}

QString Nativo(const QString& caminho) { return QDir::toNativeSeparators(caminho); }

// A line of the engine's validation summary ("Number of data page errors: 1") in the user's words.
QString TraduzAchado(const QString& achado) {
  static const QRegularExpression padrao(QStringLiteral("^Number of (.+) (errors|warnings): *(\\d+)$"),
                                         QRegularExpression::CaseInsensitiveOption);
  static const QHash<QString, QString> partes = {
      {QStringLiteral("record level"), QStringLiteral("registros")},
      {QStringLiteral("blob page"), QStringLiteral("páginas de textos longos")},
      {QStringLiteral("data page"), QStringLiteral("páginas de dados")},
      {QStringLiteral("index page"), QStringLiteral("páginas de índices")},
      {QStringLiteral("pointer page"), QStringLiteral("páginas de ponteiros")},
      {QStringLiteral("transaction page"), QStringLiteral("páginas de transações")},
      {QStringLiteral("database page"), QStringLiteral("páginas do banco de dados")}};
  const QRegularExpressionMatch m = padrao.match(achado);
  const auto parte = partes.constFind(m.captured(1).toLower());
  if (!m.hasMatch() || parte == partes.constEnd()) return achado;
  const bool erros = m.captured(2).compare(QStringLiteral("errors"), Qt::CaseInsensitive) == 0;
  return QStringLiteral("%1 em %2: %3").arg(erros ? QStringLiteral("erros") : QStringLiteral("avisos"), *parte, m.captured(3));
}

}  // namespace

ReparoBanco::ReparoBanco(const QString& pastaDados, const QString& arquivo)
    : m_arquivo(arquivo.trimmed()),
      m_banco(pastaDados + u'/' + m_arquivo),
      m_copia(TrocaExtensao(m_banco, QStringLiteral(".GBK"))),
      m_novo(TrocaExtensao(m_banco, QStringLiteral(".FBK"))),
      m_original(TrocaExtensao(m_banco, QStringLiteral(".ORI"))),
      m_substitui([](const QString& origem, const QString& destino, QString* erro) {
        return compressao::SubstituiArquivo(origem, destino, erro);
      }) {}

ReparoBanco::Fim ReparoBanco::Executa(const Registro& registro, const Pausa& pausa) {
  m_registro = registro;
  m_mensagem.clear();
  m_guardado = m_trabalhou = false;
  // The path as it is: on this file system another letter case names another file.
  registro(QStringLiteral("ARQUIVO: ") + Nativo(m_banco));
  // The index names the file: anything but a declaration database's bare name stays untouched.
  if (!NomesCopia::EhNomeBancoDeclaracao(m_arquivo)) {
    m_mensagem = QStringLiteral("O índice não aponta um banco de dados de declaração válido: \"%1\".").arg(m_arquivo);
    registro(QStringLiteral("   ... ") + m_mensagem);
    return Fim::Falhou;
  }
  try {
    if (bd::Conexao::arquivoEmUso(m_banco))
      throw bd::ErroBanco(QStringLiteral("O banco de dados %1 está aberto pelo programa e não pode ser verificado.").arg(Nativo(m_banco)));
    // Left by a repair that never ended: it may be the only sound copy there is.
    if (QFile::exists(m_original))
      throw bd::ErroBanco(QStringLiteral("Foi encontrada a cópia %1, deixada por uma verificação de consistência "
                                         "interrompida. Guarde-a em outra pasta, ou apague-a, antes de verificar este "
                                         "banco de dados novamente.")
                              .arg(Nativo(m_original)));
    // A file the engine cannot take as a database is told before anything runs on it.
    if (const QString motivo = bd::Servicos::confereCabecalho(m_banco); !motivo.isEmpty()) throw bd::ErroBanco(motivo);
    // The copy of the original is part of the validation's step, as the log tells it.
    registro(QStringLiteral("Iniciando Validação"));
    GuardaOriginal(pausa);
    registro(QStringLiteral("   procurando registros corrompidos ..."));
    RegistraAchados(Roda(bd::Servicos::consertaBanco(m_banco), pausa));
    registro(QStringLiteral("   validando estrutura de páginas ..."));
    RegistraAchados(Roda(bd::Servicos::validaBanco(m_banco), pausa));
    registro(QStringLiteral("Iniciando Cópia"));
    m_trabalhou = true;
    Roda(bd::Servicos::copiaBanco(m_banco, m_copia), pausa);
    registro(QStringLiteral("Iniciando Restauração"));
    Roda(bd::Servicos::restauraBanco(m_copia, m_novo, kBuffersRestauracao), pausa);
    if (!QFile::exists(m_novo))
      throw bd::ErroBanco(QStringLiteral("A restauração não criou o banco de dados %1.").arg(Nativo(m_novo)));
  } catch (const Parada&) {
    registro(QStringLiteral("   ... restauração cancelada !"));
    Desfaz(true);
    return Fim::Parado;
  } catch (const bd::ErroBanco& e) {
    m_mensagem = e.mensagem();
    registro(QStringLiteral("   ... ") + m_mensagem);
    Desfaz(true);
    return Fim::Falhou;
  }

  QString erro;
  if (!m_substitui(m_novo, m_banco, &erro)) {
    // Both work files stay: the restored one is the repair, for whoever can put it in place.
    m_mensagem = erro.isEmpty() ? QStringLiteral("Não foi possível substituir o arquivo %1.").arg(Nativo(m_banco)) : erro;
    registro(QStringLiteral("   ... ") + m_mensagem);
    Desfaz(false);
    registro(QStringLiteral("   Foram mantidos os arquivos %1 e %2.").arg(Nativo(m_copia), Nativo(m_novo)));
    return Fim::Falhou;
  }
  registro(QStringLiteral("... concluída !"));
  Remove(m_copia);
  Remove(m_novo);
  Remove(m_original);
  m_guardado = false;
  return Fim::Concluido;
}

void ReparoBanco::GuardaOriginal(const Pausa& pausa) {
  QFile entrada(m_banco);
  if (!entrada.open(QIODevice::ReadOnly))
    throw bd::ErroBanco(QStringLiteral("Não foi possível ler %1: %2").arg(Nativo(m_banco), entrada.errorString()));
  // Named only once whole: a copy cut short leaves no file to mistake for the original.
  QSaveFile saida(m_original);
  if (!saida.open(QIODevice::WriteOnly))
    throw bd::ErroBanco(QStringLiteral("Não foi possível criar %1: %2").arg(Nativo(m_original), saida.errorString()));
  while (!entrada.atEnd()) {
    if (pausa()) {
      saida.cancelWriting();
      throw Parada{};
    }
    const QByteArray bloco = entrada.read(kBlocoCopia);
    if (bloco.isEmpty() && entrada.error() != QFileDevice::NoError)
      throw bd::ErroBanco(QStringLiteral("Não foi possível ler %1: %2").arg(Nativo(m_banco), entrada.errorString()));
    if (saida.write(bloco) != bloco.size()) break;
  }
  if (!saida.commit())
    throw bd::ErroBanco(QStringLiteral("Não foi possível gravar %1: %2").arg(Nativo(m_original), saida.errorString()));
  QFile::setPermissions(m_original, entrada.permissions());
  m_guardado = true;
}

QStringList ReparoBanco::Roda(bd::ExecucaoServico servico, const Pausa& pausa) {
  servico.inicia();
  QStringList saida;
  while (!servico.terminou()) {
    if (pausa()) {
      servico.para();
      throw Parada{};
    }
    saida << servico.leLinhas(kEsperaSaida);
  }
  servico.confereFim();
  return saida;
}

void ReparoBanco::RegistraAchados(const QStringList& saida) {
  const QStringList achados = bd::Servicos::achadosValidacao(saida);
  if (achados.isEmpty()) return;
  m_registro(QStringLiteral("   problemas encontrados:"));
  for (const QString& achado : achados) m_registro(QStringLiteral("      ") + TraduzAchado(achado));
}

void ReparoBanco::Desfaz(bool apagaTrabalho) {
  if (m_guardado) {
    QString erro;
    if (m_substitui(m_original, m_banco, &erro)) {
      m_guardado = false;
    } else {
      const QString texto = QStringLiteral("O banco de dados original não pôde voltar ao seu lugar e está guardado em %1.")
                                .arg(Nativo(m_original));
      m_registro(QStringLiteral("   ... ") + erro);
      m_registro(QStringLiteral("   ") + texto);
      m_mensagem = m_mensagem.isEmpty() ? texto : m_mensagem + u'\n' + texto;
    }
  }
  if (!apagaTrabalho || !m_trabalhou) return;
  Remove(m_copia);
  Remove(m_novo);
}

void ReparoBanco::Remove(const QString& arquivo) {
  if (!QFile::exists(arquivo) || QFile::remove(arquivo)) return;
  m_registro(QStringLiteral("   Não foi possível apagar o arquivo %1.").arg(Nativo(arquivo)));
}
