#include "nucleo/TArquivoIni.h"

#include <QtDebug>

#include "nucleo/Diretorios.h"
#include "plataforma/sistema/ArquivoIni.h"

namespace {

ArquivoIni arquivo() { return ArquivoIni(TArquivoIni::Caminho()); }

bool avisaFalha(bool gravou, const QString& secao, const QString& chave) {
  if (!gravou) qWarning().noquote() << "Não foi possível gravar" << secao << chave << "em" << TArquivoIni::Caminho();
  return gravou;
}

}  // namespace

QString TArquivoIni::Caminho() { return DiretorioPrograma() + QStringLiteral("/Tolv2014.ini"); }

QString TArquivoIni::LeString(const QString& secao, const QString& chave, const QString& padrao) {
  return arquivo().le(secao, chave, padrao);
}

bool TArquivoIni::GravaString(const QString& secao, const QString& chave, const QString& valor) {
  return avisaFalha(arquivo().grava(secao, chave, valor), secao, chave);
}

bool TArquivoIni::LeBooleano(const QString& secao, const QString& chave, bool padrao) {
  return arquivo().leBooleano(secao, chave, padrao);
}

bool TArquivoIni::GravaBooleano(const QString& secao, const QString& chave, bool valor) {
  return avisaFalha(arquivo().gravaBooleano(secao, chave, valor), secao, chave);
}

int TArquivoIni::LeInteiro(const QString& secao, const QString& chave, int padrao) {
  return arquivo().leInteiro(secao, chave, padrao);
}

bool TArquivoIni::GravaInteiro(const QString& secao, const QString& chave, int valor) {
  return avisaFalha(arquivo().grava(secao, chave, QString::number(valor)), secao, chave);
}
