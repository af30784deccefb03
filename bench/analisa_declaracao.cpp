// Analyses a declaration text file of any of the three layouts and writes its findings log, as
// the import's analysis does, without a window and without storing anything:
//
//   analisa_declaracao ARQUIVO DEC_LOG [PASTA_DO_PROGRAMA]
//
// The revenue codes are read from the index database of the program folder given, or of a
// temporary copy of the databases the build made. Exit status: 0 the analysis went to the end,
// 1 it stopped or the file has a structural fault, 2 the file, the log or the program folder
// could not be used (then no log is written).

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <filesystem>

#include "nucleo/TColecao.h"
#include "plataforma/sistema/Pastas.h"
#include "validador/TAnalisadorArquivo.h"

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  const QStringList args = app.arguments();
  if (args.size() < 3 || args.size() > 4) {
    std::fprintf(stderr, "uso: analisa_declaracao ARQUIVO DEC_LOG [PASTA_DO_PROGRAMA]\n");
    return 2;
  }
  const QString arquivo = args[1];
  const QString log = QFileInfo(args[2]).absoluteFilePath();
  if (!QFileInfo(arquivo).isFile()) {
    std::fprintf(stderr, "arquivo não encontrado: %s\n", qPrintable(arquivo));
    return 2;
  }

  // The log is emptied when it opens: never over the file it reports on.
  std::error_code erro;
  if (QFileInfo::exists(log) &&
      std::filesystem::equivalent(QFile::encodeName(arquivo).toStdString(), QFile::encodeName(log).toStdString(), erro)) {
    std::fprintf(stderr, "o arquivo de ocorrências não pode ser o próprio arquivo analisado: %s\n", qPrintable(log));
    return 2;
  }

  QTemporaryDir temporaria;
  if (args.size() == 4) {
    const QString pasta = QFileInfo(args[3]).absoluteFilePath();
    if (!QFileInfo(pasta + QStringLiteral("/DADOS/Tolv.FDB")).isFile()) {
      std::fprintf(stderr, "pasta do programa sem o banco de índice DADOS/Tolv.FDB: %s\n", qPrintable(pasta));
      return 2;
    }
    Pastas::definePrograma(pasta);
  } else {
    // Never the build's own program folder: a copy of its index database.
    QDir().mkpath(temporaria.path() + QStringLiteral("/DADOS/TEMP"));
    const QString indice = QStringLiteral("/Tolv.FDB");
    if (!QFile::copy(QStringLiteral(TOLV_BANCOS_CONSTRUIDOS) + indice, temporaria.path() + QStringLiteral("/DADOS") + indice)) {
      std::fprintf(stderr, "não foi possível copiar o banco de índice\n");
      return 2;
    }
    QFile::setPermissions(temporaria.path() + QStringLiteral("/DADOS") + indice, QFile::ReadOwner | QFile::WriteOwner);
    Pastas::definePrograma(temporaria.path());
  }

  const TAnalisadorArquivo::Resultado r = TAnalisadorArquivo::AnalisaArquivo(arquivo, log);
  TColecao::FechaConexoes();
  if (r.versao == 0) {
    std::fprintf(stderr, "leiaute não reconhecido na primeira linha\n");
    return 2;
  }
  if (!r.erroLog.isEmpty()) {
    std::fprintf(stderr, "%s\n", qPrintable(r.erroLog));
    return 2;
  }
  std::printf("leiaute %d: %s; %d erro(s), %d aviso(s), %d registro(s) rejeitado(s)\n", r.versao,
              r.concluido ? "análise concluída" : "análise interrompida", r.erros, r.avisos, r.registrosRejeitados);
  return r.concluido ? 0 : 1;
}
