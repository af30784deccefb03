#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "Telas.h"
#include "entrega/TFoAssistTransmissao.h"
#include "entrega/TFrPesquisaDeclaracoes.h"
#include "entrega/TFrResultTrans.h"
#include "plataforma/integridade/EnvelopeTolv.h"
#include "suporte/UnidadesFalsas.h"

namespace {

void Grava(const QString& caminho, const QByteArray& conteudo) {
  QDir().mkpath(QFileInfo(caminho).absolutePath());
  QFile f(caminho);
  if (f.open(QIODevice::WriteOnly)) f.write(conteudo);
}

QString Escreve(const QString& pasta, const char* ni, const char* nome, const char* tipo, bool retificadora,
                const char* controle) {
  const QString arquivo = pasta + QString::fromLatin1(ni) + QStringLiteral("/2013/") + QString::fromLatin1(ni) +
                          QStringLiteral("-TOLV-2014-2013-") + (retificadora ? QStringLiteral("RETIF") : QStringLiteral("ORIGI")) +
                          QStringLiteral("-NORMAL.DEC");
  Grava(arquivo, "TOLV|2014|2013|" + QByteArray(retificadora ? "S" : "N") + "|\r\nRESPO|11144477735|ANA|\r\n" +
                     QByteArray(tipo) + '|' + ni + '|' + nome + "|\r\nFIMTOLV|\r\n");
  EnvelopeTolv envelope;
  envelope.Abrir(1, arquivo);
  envelope.SetValor(QStringLiteral("controle_bvd"), QString::fromLatin1(controle));
  envelope.SalvarEnvelope();
  return arquivo;
}

}  // namespace

TOLV_TELAS(Transmissao) {
  QTemporaryDir raiz, sistema, programa;
  UnidadesFalsas unidades({Unidade{raiz.path(), TipoUnidade::Fixa, QStringLiteral("home"), true}});
  const QByteArray sistemaAntes = qgetenv("TOLV_PASTA_SISTEMA");
  qputenv("TOLV_PASTA_SISTEMA", sistema.path().toUtf8());
  const QString padrao = TFrPesquisaDeclaracoes::PastaPadrao();
  const QString a = Escreve(padrao, "11144477735", "ANA MARIA DE SOUZA", "DECPF", false, "1234567890");
  const QString b = Escreve(padrao, "11222333000181", "PADARIA PAO BOM LTDA", "DECPJ", false, "2345678901");
  const QString c = Escreve(padrao, "33000167000101", "PETROLEO DO CERRADO SA", "DECPJ", true, "3456789012");
  Escreve(padrao, "52998224725", "JOAO DA SILVA", "DECPF", false, "4567890123");
  Grava(b + QStringLiteral(".resposta"), "2\nDeclara\xE7\xE3o recebida com aviso: confira os dados do respons\xE1vel.");
  Grava(c + QStringLiteral(".resposta"), "99\nDeclara\xE7\xE3o recusada: assinatura digital inv\xE1lida.");

  {
    TFoAssistTransmissao w;
    ctx.salva(w, QStringLiteral("TFoAssistTransmissao"));
    w.findChild<QCheckBox*>(QStringLiteral("CheckCertDigi"))->setChecked(true);
    w.BtnAvancarClick();
    ctx.salva(w, QStringLiteral("TFoAssistTransmissao-importante"));
    w.BtnAvancarClick();
    ctx.salva(w, QStringLiteral("TFoAssistTransmissao-lista"));
    w.Pesquisa()->AlternaSelecao(1);
    w.Pesquisa()->AlternaSelecao(2);
    ctx.salva(w, QStringLiteral("TFoAssistTransmissao-selecao"));
    // Without the transmission program.
    w.BtnAvancarClick();
    ctx.salva(w, QStringLiteral("TFoAssistTransmissao-naoinstalado"));
    w.hide();
  }
  {
    Grava(sistema.filePath(QStringLiteral("kal-von.ini")),
          "[Kal-Von]\r\nVersao=200801\r\nPath=" + programa.path().toUtf8() + "\r\n");
    QFile::copy(QStringLiteral(TOLV_VELDRA_FALSA), programa.filePath(QStringLiteral("VELDRA21.DLL")));
    TFoAssistTransmissao w;
    w.BtnAvancarClick();
    for (int linha = 0; linha < 4; ++linha) w.Pesquisa()->AlternaSelecao(linha);
    w.BtnAvancarClick();
    ctx.salva(w, QStringLiteral("TFoAssistTransmissao-resultado"));
    // The hand-over frame alone, with its status lines: the writing wizard hosts it too.
    if (auto* frame = w.findChild<TFrResultTrans*>()) ctx.salva(*frame, QStringLiteral("TFrResultTrans"));
    w.hide();
  }
  {
    // The other search kinds of the finder, as the print wizard will use it.
    TFrPesquisaDeclaracoes f;
    f.resize(700, 300);
    QStringList resultado;
    f.ComRecibo = true;
    f.SetTipoPesquisa(1);
    f.ProcuraDeclaracoes(&resultado);
    ctx.salva(f, QStringLiteral("TFrPesquisaDeclaracoes-recibos"));
    f.ComRecibo = false;
    f.Pasta = raiz.path() + QStringLiteral("/vazia");
    f.SetTipoPesquisa(0);
    f.ProcuraDeclaracoes(&resultado);
    ctx.salva(f, QStringLiteral("TFrPesquisaDeclaracoes-vazia"));
  }
  qputenv("TOLV_PASTA_SISTEMA", sistemaAntes);
}
